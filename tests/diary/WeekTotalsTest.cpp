#include <gtest/gtest.h>

#include "WeekTotals.h"

namespace kadenzo {
namespace {

TEST(WeekTotals, FutureWorkoutsCountOnlyAsPlanned) {
    WeekTotals t;
    t.Add(101, 100, 60, 0);
    t.Add(103, 100, 45, 0);
    EXPECT_EQ(FormatWeekTotal(t.planned), "01:45");
    EXPECT_EQ(FormatWeekTotal(t.performed), "--");
    EXPECT_FALSE(t.PerformedBehindPlan());
}

TEST(WeekTotals, PerformedIsComparedWithThePlanOfThePassedDays) {
    WeekTotals t;
    t.Add(98, 100, 60, 50);   // done, ten minutes short
    t.Add(100, 100, 30, 30);  // today counts as passed
    t.Add(102, 100, 90, 0);   // still to come: not compared
    EXPECT_DOUBLE_EQ(t.planned, 180);
    EXPECT_DOUBLE_EQ(t.performed, 80);
    EXPECT_DOUBLE_EQ(t.comparison, 90);
    EXPECT_TRUE(t.PerformedBehindPlan());
    t.Add(99, 100, 0, 20);  // an unplanned extra
    EXPECT_FALSE(t.PerformedBehindPlan());
}

TEST(WeekTotals, Format) {
    EXPECT_EQ(FormatWeekTotal(0), "--");
    EXPECT_EQ(FormatWeekTotal(59.9), "00:59");
    EXPECT_EQ(FormatWeekTotal(1500), "25:00");
    EXPECT_EQ(FormatWeekTotal(std::numeric_limits<double>::infinity()), "--");
}

}  // namespace
}  // namespace kadenzo
