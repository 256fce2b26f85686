#include <gtest/gtest.h>

#include "DateTime.h"
#include "ProfileValues.h"

namespace kadenzo {
namespace {

// Whole beats the workouts can hold, and nothing else.
TEST(ReadMaxHeartRate, TakesWholeBeatsTheWorkoutsCanHold) {
    EXPECT_EQ(ReadMaxHeartRate("185"), 185);
    EXPECT_EQ(ReadMaxHeartRate("  0 "), 0);
    EXPECT_EQ(ReadMaxHeartRate("+21"), 21);
    EXPECT_EQ(ReadMaxHeartRate("255"), 255);
    for (const char* text :
         {"256", "300", "1500", "-1", "-20", "18.5", "1,85", "", " ", "-", "18 5", "185bpm",
          "2147483648", "99999999999999999999", "1e999", "nan"})
        EXPECT_FALSE(ReadMaxHeartRate(text).has_value()) << text;
}

TEST(WithBirthDay, KeepsTheTimeOfDayAndRefusesDaysBeyondThirtyTwoBits) {
    const std::int32_t stamp = *TimeStampFromLocal({2026, 3, 1, 14, 30, 5});
    const std::optional<std::int32_t> moved = WithBirthDay(stamp, 1985, 7, 14);
    ASSERT_TRUE(moved.has_value());
    const DateParts parts = *LocalFromTimeStamp(*moved);
    EXPECT_EQ(parts, (DateParts{1985, 7, 14, 14, 30, 5}));
    EXPECT_FALSE(WithBirthDay(0, 2040, 1, 1).has_value());
    EXPECT_FALSE(WithBirthDay(0, 1850, 1, 1).has_value());
    EXPECT_TRUE(WithBirthDay(0, 1950, 2, 28).has_value());
}

}  // namespace
}  // namespace kadenzo
