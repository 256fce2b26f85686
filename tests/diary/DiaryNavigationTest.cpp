#include <gtest/gtest.h>

#include "DiaryFixture.h"
#include "DiaryNavigation.h"

namespace kadenzo {
namespace {

using test::DiaryWorld;
using test::kMonday;

// Monday: a, b, c; Tuesday: nothing; Wednesday: d; next Monday: e, f.
class DiaryNavigationTest : public ::testing::Test {
protected:
    DiaryNavigationTest() {
        for (const char* name : {"a", "b", "c"}) world.AddNamed(kMonday, name);
        world.AddNamed(kMonday + 2, "d");
        world.AddNamed(kMonday + 7, "e");
        world.AddNamed(kMonday + 7, "f");
    }

    DiaryWorld world;
};

TEST_F(DiaryNavigationTest, ArrowsWalkTheDayThenTheWeeks) {
    struct Case {
        int day;
        const char* from;
        DiaryStep step;
        const char* expected;  // day offset and the selected workout's name
    } cases[] = {
        {0, "a", DiaryStep::kDown, "0b"},
        {0, "c", DiaryStep::kDown, "7e"},  // past the last: next week's first
        {0, "b", DiaryStep::kUp, "0a"},
        {0, "a", DiaryStep::kUp, "-7-"},  // past the first: an empty day above
        {7, "e", DiaryStep::kUp, "0c"},   // the last workout of the week above
        {0, "", DiaryStep::kDown, "0a"},  // from the day alone: its first
        {0, "", DiaryStep::kUp, "0c"},    // or its last
        {1, "", DiaryStep::kDown, "8-"},
        {0, "b", DiaryStep::kRight, "1-"},  // to the next day, which has none
        {1, "", DiaryStep::kRight, "2d"},
        {2, "d", DiaryStep::kLeft, "1-"},
        {1, "", DiaryStep::kLeft, "0a"},      // the day's first, not the last
        {0, "gone", DiaryStep::kDown, "0a"},  // a handle that finds nothing: the day alone
    };
    for (const Case& k : cases) {
        const DiarySelection from{kMonday + k.day, world.Named(k.from)};
        EXPECT_EQ(world.Describe(StepSelection(world.Log(), from, k.step)), k.expected)
            << k.day << " " << k.from << " " << static_cast<int>(k.step);
    }
}

// Home puts today's week at the top, whichever weekday today is.
TEST_F(DiaryNavigationTest, HomeShowsTodaysWeekInTheFirstRow) {
    struct Case {
        int today;  // from kMonday
        int firstDay;
        const char* selected;
    } cases[] = {{0, 0, "0a"}, {2, 0, "2d"}, {6, 0, "6-"}, {7, 7, "7e"}, {-1, -7, "-1-"}};
    for (const Case& c : cases) {
        const DiaryHome home = HomeOf(world.Log(), kMonday + c.today);
        EXPECT_EQ(home.firstDay, kMonday + c.firstDay) << c.today;
        EXPECT_EQ(world.Describe(home.selection), c.selected) << c.today;
    }
}

TEST_F(DiaryNavigationTest, ARemovedWorkoutHandsTheSelectionToANeighbourOfItsDay) {
    const CDatabase& log = world.Log();
    auto at = [&](const char* name) { return *log.FindWorkout(world.Named(name)); };
    EXPECT_EQ(NeighbourOf(log, at("a")), world.Named("b"));
    EXPECT_EQ(NeighbourOf(log, at("b"), true), world.Named("a"));
    EXPECT_EQ(NeighbourOf(log, at("c")), world.Named("b"));  // the last: the one before
    EXPECT_EQ(NeighbourOf(log, at("e"), true), world.Named("f"));
    EXPECT_EQ(NeighbourOf(log, at("d")), 0u);  // alone on its day
    EXPECT_EQ(NeighbourOf(log, log.EndWorkouts()), 0u);
}

}  // namespace
}  // namespace kadenzo
