// The calendar file written after every save: which saves write it, which
// paths it may take (never the diary's own file, by any of its names), and
// the file the export offers first.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CalendarFile.h"
#include "TestFolder.h"

namespace kadenzo::test {
namespace {

namespace fs = std::filesystem;

class CalendarFileTest : public ::testing::Test {
protected:
    CalendarFileTest() {
        fs::create_directories(dir / "sync");
        std::ofstream(diary) << "diary";
        std::ofstream(other) << "another diary";
        fs::create_symlink(diary, dir / "link.kdz");
    }

    TestFolder folder;
    const fs::path dir = folder.Path();
    const std::string diary = (dir / "season.kdz").string();
    const std::string other = (dir / "other.kdz").string();
    const std::string calendar = (dir / "sync" / "plan.ics").string();
};

TEST_F(CalendarFileTest, APathThatWouldReplaceTheDiaryIsRefused) {
    struct Case {
        std::string path;
        CalendarPathProblem problem;
    } const cases[] = {
        {calendar, CalendarPathProblem::kNone},
        {other, CalendarPathProblem::kNone},  // another diary: the user's call
        {"", CalendarPathProblem::kEmpty},
        {"  ", CalendarPathProblem::kEmpty},
        {(dir / "sync").string(), CalendarPathProblem::kFolder},
        {diary, CalendarPathProblem::kDiary},
        {(dir / "sync" / ".." / "season.kdz").string(), CalendarPathProblem::kDiary},
        {(dir / "link.kdz").string(), CalendarPathProblem::kDiary},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(CheckCalendarPath(c.path, diary), c.problem);
    }
    // A diary without a file yet has no file to protect.
    EXPECT_EQ(CheckCalendarPath(calendar, ""), CalendarPathProblem::kNone);
}

TEST_F(CalendarFileTest, OnlyTheSubscribedDiarysSaveWritesTheCalendar) {
    struct Case {
        CalendarSubscription subscription;
        std::string saved;
        bool writes;
    } const cases[] = {
        {{calendar, diary}, diary, true},
        {{calendar, diary}, (dir / "link.kdz").string(), true},
        {{calendar, diary}, other, false},
        {{calendar, ""}, other, true},  // chosen before the diary had a file
        {{"", diary}, diary, false},
        {{calendar, diary}, "", false},
        // A subscription that names the diary itself is never written.
        {{diary, ""}, diary, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.subscription.calendarPath + " for " + c.subscription.diaryPath +
                     ", saving " + c.saved);
        EXPECT_EQ(WritesAfterSave(c.subscription, c.saved), c.writes);
    }
}

TEST_F(CalendarFileTest, TheExportOffersTheDiarysOwnCalendarFirst) {
    const std::string home = (dir / "home").string();
    EXPECT_EQ(SuggestedCalendarPath({calendar, diary}, diary, home), calendar);
    EXPECT_EQ(SuggestedCalendarPath({calendar, diary}, other, home), (dir / "other.ics").string());
    EXPECT_EQ(SuggestedCalendarPath({}, "", home), (dir / "home" / "plan.ics").string());
    const std::string icsDiary = (dir / "plan.ics").string();
    EXPECT_EQ(SuggestedCalendarPath({}, icsDiary, home), icsDiary + ".ics");
}

}  // namespace
}  // namespace kadenzo::test
