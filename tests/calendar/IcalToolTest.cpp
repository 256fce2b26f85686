// kadenzo-tool ical on the demo diary: the days it holds by default and when
// asked, the diary's file name in every UID, and one line for every mistake.
#include <cstdio>
#include <ctime>
#include <regex>

#include "DateTime.h"
#include "ToolRunner.h"

namespace kadenzo::test {
namespace {

std::string IsoDay(int day) {
    const DateParts p = PartsFromDateTime(NoonOfDayNumber(day)).value();
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", p.year, p.month, p.day);
    return text;
}

std::string CompactDay(int day) {
    std::string iso = IsoDay(day);
    return iso.substr(0, 4) + iso.substr(5, 2) + iso.substr(8, 2);
}

class IcalToolTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        ASSERT_EQ(Run("demo '" + Path("demo.kdz") + "'"), 0) << err_;
        today_ = DayNumber(DateTimeFromTimeStamp(std::time(nullptr)));
    }
    // The first day of every event's DTSTART, as YYYYMMDD, and its UID.
    std::vector<std::pair<std::string, std::string>> Events(const std::string& arguments) {
        EXPECT_EQ(Run("ical '" + Path("demo.kdz") + "' " + arguments), 0) << err_;
        std::vector<std::pair<std::string, std::string>> events;
        static const std::regex uid("\r\nUID:([^\r]*)\r\nDTSTAMP:[^\r]*\r\nDTSTART[^:]*:(\\d{8})");
        for (auto it = std::sregex_iterator(out_.begin(), out_.end(), uid);
             it != std::sregex_iterator(); ++it)
            events.emplace_back((*it)[2], (*it)[1]);
        return events;
    }

    int today_ = 0;
};

TEST_F(IcalToolTest, TheDaysHeldByDefaultAndWhenAsked) {
    const auto all = Events("--today " + IsoDay(today_));
    ASSERT_FALSE(all.empty());
    for (const auto& [day, uid] : all) {
        SCOPED_TRACE(uid);
        EXPECT_TRUE(uid.ends_with("@demo.kdz"));
        // Workouts from today on; events may have begun before.
        if (uid.find("-event-") == std::string::npos) {
            EXPECT_GE(day, CompactDay(today_));
        }
    }
    const auto week = Events("--from " + IsoDay(today_ + 7) + " --to " + IsoDay(today_ + 13));
    ASSERT_FALSE(week.empty());
    for (const auto& [day, uid] : week) {
        SCOPED_TRACE(uid);
        if (uid.find("-event-") != std::string::npos) continue;
        EXPECT_GE(day, CompactDay(today_ + 7));
        EXPECT_LE(day, CompactDay(today_ + 13));
    }
    EXPECT_LT(week.size(), all.size());
    // A later today holds fewer workouts.
    EXPECT_LT(Events("--today " + IsoDay(today_ + 14)).size(), all.size());
}

TEST_F(IcalToolTest, MistakesAreOneLineAndNoOutput) {
    const std::string demo = "'" + Path("demo.kdz") + "' ";
    const std::string mistakes[] = {
        demo + "--from 2024-02-30",
        demo + "--from 2024-03-02 --to 2024-03-01",
        demo + "--to",
        demo + "--csv",
        demo + demo,
        "",
        "'" + Path("missing.kdz") + "'",
    };
    for (const std::string& arguments : mistakes) {
        SCOPED_TRACE(arguments);
        EXPECT_NE(Run("ical " + arguments), 0);
        EXPECT_EQ(ErrorLines(), 1) << err_;
        EXPECT_EQ(out_, "");
    }
}

}  // namespace
}  // namespace kadenzo::test
