#include <gtest/gtest.h>

#include "EventAssignment.h"

namespace kadenzo {
namespace {

TEST(EventAssignment, PeriodsAreFoundByDateInAnyStoredOrder) {
    const std::vector<int> sorted = AssignEventsToDays({{1, 2}, {5, 5}, {8, 20}}, 0, 10);
    EXPECT_EQ(sorted, (std::vector<int>{-1, 0, 0, -1, -1, 1, -1, -1, 2, 2}));
    // The same periods stored the other way round cover the same days.
    EXPECT_EQ(AssignEventsToDays({{8, 20}, {5, 5}, {1, 2}}, 0, 10),
              (std::vector<int>{-1, 2, 2, -1, -1, 1, -1, -1, 0, 0}));
    // A period that began before the first day shown still covers it.
    EXPECT_EQ(AssignEventsToDays({{-30, 1}}, 0, 3), (std::vector<int>{0, 0, -1}));
}

TEST(EventAssignment, OverlapsGoToTheFirstStoredEventAndOddInputIsHarmless) {
    EXPECT_EQ(AssignEventsToDays({{2, 4}, {1, 3}}, 0, 5), (std::vector<int>{-1, 1, 0, 0, 0}));
    EXPECT_EQ(AssignEventsToDays({{5, 1}}, 0, 6), (std::vector<int>(6, -1)));  // ends first
    EXPECT_EQ(AssignEventsToDays({}, 0, 3), (std::vector<int>{-1, -1, -1}));
    EXPECT_TRUE(AssignEventsToDays({{1, 1}}, 0, -2).empty());
    EXPECT_EQ(AssignEventsToDays({{-2000000000, 2000000000}}, 2147483640, 3),
              (std::vector<int>(3, -1)));
}

}  // namespace
}  // namespace kadenzo
