#include <gtest/gtest.h>

#include "EventAssignment.h"

namespace kadenzo {
namespace {

TEST(EventAssignment, OneWalkCoversSortedPeriods) {
    std::vector<EventSpan> events = {{1, 2}, {5, 5}, {8, 20}};
    std::vector<int> days = AssignEventsToDays(events, 0, 10);
    EXPECT_EQ(days, (std::vector<int>{-1, 0, 0, -1, -1, 1, -1, -1, 2, 2}));
}

TEST(EventAssignment, NeverWalksPastTheLastEvent) {
    std::vector<EventSpan> events = {{1, 1}, {3, 4}};
    EXPECT_EQ(AssignEventsToDays(events, 2, 5), (std::vector<int>{-1, 1, 1, -1, -1}));
    EXPECT_EQ(AssignEventsToDays({}, 0, 3), (std::vector<int>{-1, -1, -1}));
    EXPECT_TRUE(AssignEventsToDays(events, 0, -2).empty());
}

}  // namespace
}  // namespace kadenzo
