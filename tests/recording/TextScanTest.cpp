#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "RecordingTime.h"
#include "TextScan.h"

namespace kadenzo {
namespace {

TEST(TextScanTest, NumbersFollowStrtodAndStrtolInTheCLocale) {
    // clang-format off
    const std::tuple<const char*, double, std::size_t> cases[] = {
        {" \t-7.5x", -7.5, 6}, {"+.5", 0.5, 3}, {"1e", 1, 1}, {"2.5E-1;", 0.25, 6},
        {"0x1p4", 16, 5}, {"0x", 0, 1}, {"abc", 0, 0}, {"+-3", 0, 0}, {"1e999", INFINITY, 5},
        {"1e-999", 0, 6}, {"123456789012345678901", 1.2345678901234568e20, 21}};
    // clang-format on
    for (const auto& [text, value, end] : cases) {
        EXPECT_EQ(ScanDouble(text).value, value) << text;
        EXPECT_EQ(ScanDouble(text).end, end) << text;
    }
    EXPECT_EQ(ScanDouble(std::string_view("12345", 3)).value, 123);  // bounded
    EXPECT_EQ(ScanLong(" -42x").end, 4u);
    EXPECT_EQ(ScanLong("99999999999999999999").value, std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(TruncToInt32(1e20), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TruncToInt32(NAN), 0);
}

TEST(TextScanTest, ParseClockReadsThreeNumbersWithAnySeparator) {
    EXPECT_EQ(ParseClock("10:05:30.0"), 36330);
    EXPECT_EQ(ParseClock("0:54:24.9"), 3264);  // tenths are dropped
    EXPECT_EQ(ParseClock("1-13x15.0"), 4395);
    EXPECT_EQ(ParseClock("2"), 7200);
    EXPECT_EQ(ParseClock(""), 0);
    EXPECT_EQ(ParseClock("999999999:00:00"), std::numeric_limits<std::int32_t>::max());
}

}  // namespace
}  // namespace kadenzo
