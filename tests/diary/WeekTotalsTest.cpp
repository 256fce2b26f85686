#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "WeekTotals.h"
#include "WorkoutLabels.h"

namespace kadenzo {
namespace {

TEST(WeekTotals, PerformedIsComparedWithThePlanOfThePassedDays) {
    WeekTotals t;
    t.Add(102, 100, 90, 0);  // still to come: planned only, not compared
    EXPECT_EQ(FormatWeekTotal(t.performed), "--");
    EXPECT_FALSE(t.PerformedBehindPlan());
    t.Add(98, 100, 60, 50);   // done, ten minutes short
    t.Add(100, 100, 30, 30);  // today counts as passed
    EXPECT_DOUBLE_EQ(t.planned, 180);
    EXPECT_DOUBLE_EQ(t.performed, 80);
    EXPECT_DOUBLE_EQ(t.comparison, 90);
    EXPECT_TRUE(t.PerformedBehindPlan());
    t.Add(99, 100, 0, 20);  // an unplanned extra
    EXPECT_FALSE(t.PerformedBehindPlan());
}

// The colour follows the figures as shown: whole minutes, seconds dropped.
TEST(WeekTotals, BehindPlanIsDecidedOnTheShownMinutes) {
    struct Case {
        double planned, performed;
        bool behind;
    } cases[] = {
        {363.5, 363.2, false},  // 06:03 against 06:03
        {363.0, 363.99, false},
        {363.9, 362.99, true},  // 06:03 against 06:02
        {364.0, 363.9, true},
        {0.5, 0, false},                                       // 00:00 planned is met by "--"
        {60, std::numeric_limits<double>::quiet_NaN(), true},  // a damaged figure shows "--"
        {std::numeric_limits<double>::infinity(), 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.planned) + " / " + std::to_string(c.performed));
        WeekTotals t;
        t.Add(99, 100, c.planned, c.performed);
        EXPECT_EQ(t.PerformedBehindPlan(), c.behind);
    }
}

TEST(WeekTotals, Format) {
    EXPECT_EQ(FormatWeekTotal(0), "--");
    EXPECT_EQ(FormatWeekTotal(105), "01:45");
    EXPECT_EQ(FormatWeekTotal(59.9), "00:59");
    EXPECT_EQ(FormatWeekTotal(1500), "25:00");
    EXPECT_EQ(FormatWeekTotal(-90), "-01:30");  // from a damaged file
    // A sum of seconds held in minutes falls a hair short of its whole minutes.
    EXPECT_EQ(FormatWeekTotal(119.99999999999999), "02:00");
    EXPECT_EQ(FormatLabelDuration(119.99999999999999), "2:00");
    EXPECT_EQ(FormatWeekTotal(std::numeric_limits<double>::infinity()), "--");
}

}  // namespace
}  // namespace kadenzo
