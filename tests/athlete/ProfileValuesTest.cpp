#include <gtest/gtest.h>

#include "DateTime.h"
#include "ProfileValues.h"

namespace kadenzo {
namespace {

// Whole beats the workouts can hold, and nothing else; what reads as one
// number at all is the field range's own test.
TEST(ReadMaxHeartRate, TakesWholeBeatsTheWorkoutsCanHold) {
    EXPECT_EQ(ReadMaxHeartRate("  0 "), 0);
    EXPECT_EQ(ReadMaxHeartRate("255"), 255);
    for (const char* text : {"256", "1500", "-1", "18.5", "185bpm", ""})
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
