#include "Formats.h"

#include <gtest/gtest.h>

namespace kadenzo {
namespace {

TEST(FormatDuration, DropsSecondsInsteadOfRounding) {
    EXPECT_EQ(FormatDuration(59.999, false), "0:59");
    EXPECT_EQ(FormatDuration(61.5, true), "1:01:30");
    EXPECT_EQ(FormatDuration(0, true), "0:00:00");
    EXPECT_EQ(FormatDuration(600, false), "10:00");
}

TEST(FormatDuration, NonFiniteValuesShowAsZero) {
    EXPECT_EQ(FormatDuration(std::numeric_limits<double>::quiet_NaN(), false), "0:00");
    EXPECT_EQ(FormatDuration(std::numeric_limits<double>::infinity(), true), "0:00:00");
}

TEST(ParseDuration, ReadsMinutesOrClockTexts) {
    EXPECT_DOUBLE_EQ(ParseDuration("1:30"), 90);
    EXPECT_DOUBLE_EQ(ParseDuration("1:30:30"), 90.5);
    EXPECT_DOUBLE_EQ(ParseDuration("45.5"), 45.5);
    EXPECT_DOUBLE_EQ(ParseDuration("90"), 90);
    EXPECT_DOUBLE_EQ(ParseDuration("1:75"), 135);
    EXPECT_DOUBLE_EQ(ParseDuration(""), 0);
    EXPECT_DOUBLE_EQ(ParseDuration("abc"), 0);
    EXPECT_DOUBLE_EQ(ParseDuration("2:"), 120);
}

TEST(RoundDown, CutsTowardNegativeInfinity) {
    EXPECT_DOUBLE_EQ(RoundDown(6.219, 2), 6.21);
    EXPECT_DOUBLE_EQ(RoundDown(-1.001, 2), -1.01);
    EXPECT_DOUBLE_EQ(RoundDown(3.7, 0), 3);
}

TEST(FormatDate, PutsDayFirstWithLeadingZeros) {
    EXPECT_EQ(FormatDate(3, 7, 2004), "03.07.2004");
    EXPECT_EQ(FormatDate(31, 12, 999), "31.12.0999");
}

TEST(NormaliseDecimalComma, ReplacesOnlyCommasBetweenDigits) {
    EXPECT_EQ(NormaliseDecimalComma(",5"), ",5");
    EXPECT_EQ(NormaliseDecimalComma("1,5"), "1.5");
    EXPECT_EQ(NormaliseDecimalComma("a,5"), "a,5");
    EXPECT_EQ(NormaliseDecimalComma("1,"), "1,");
    EXPECT_EQ(NormaliseDecimalComma("1,2,3"), "1.2.3");
    EXPECT_EQ(NormaliseDecimalComma(","), ",");
    EXPECT_EQ(NormaliseDecimalComma(""), "");
}

constexpr std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r | (g << 8) | (b << 16));
}

TEST(ShadeColour, DarkensAndLightensEachChannel) {
    EXPECT_EQ(ShadeColour(Rgb(100, 100, 100), 50), Rgb(50, 50, 50));
    EXPECT_EQ(ShadeColour(Rgb(100, 100, 100), -50), Rgb(177, 177, 177));
    EXPECT_EQ(ShadeColour(Rgb(10, 200, 255), 0), Rgb(10, 200, 255));
    EXPECT_EQ(ShadeColour(Rgb(0, 0, 0), -100), Rgb(255, 255, 255));
    EXPECT_EQ(ShadeColour(0x12000000u | Rgb(100, 0, 0), 50), 0x12000000u | Rgb(50, 0, 0));
}

}  // namespace
}  // namespace kadenzo
