#include <gtest/gtest.h>

#include "Formats.h"

namespace kadenzo {
namespace {

TEST(Formats, DurationsDropSecondsAndShowNonFiniteAsZero) {
    EXPECT_EQ(FormatDuration(59.999, false), "0:59");
    EXPECT_EQ(FormatDuration(61.5, true), "1:01:30");
    EXPECT_EQ(FormatDuration(std::numeric_limits<double>::quiet_NaN(), false), "0:00");
    EXPECT_EQ(FormatDuration(std::numeric_limits<double>::infinity(), true), "0:00:00");
}

TEST(Formats, ParseDurationReadsMinutesOrClockTexts) {
    const std::pair<const char*, double> cases[] = {
        {"1:30", 90}, {"1:30:30", 90.5}, {"45.5", 45.5}, {"1:75", 135},
        {"", 0},      {"abc", 0},        {"2:", 120}};
    for (const auto& [text, minutes] : cases)
        EXPECT_DOUBLE_EQ(ParseDuration(text), minutes) << text;
}

TEST(Formats, RoundDownCutsTowardNegativeInfinity) {
    EXPECT_DOUBLE_EQ(RoundDown(6.219, 2), 6.21);
    EXPECT_DOUBLE_EQ(RoundDown(-1.001, 2), -1.01);
}

TEST(Formats, DatesPutTheDayFirstWithLeadingZeros) {
    EXPECT_EQ(FormatDate(3, 7, 2004), "03.07.2004");
    EXPECT_EQ(FormatDate(31, 12, 999), "31.12.0999");
}

TEST(Formats, DecimalCommasAreReplacedOnlyBetweenDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {",5", ",5"}, {"1,5", "1.5"}, {"a,5", "a,5"}, {"1,", "1,"}, {"1,2,3", "1.2.3"}};
    for (const auto& [in, out] : cases) EXPECT_EQ(NormaliseDecimalComma(in), out) << in;
}

constexpr std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r | (g << 8) | (b << 16));
}

TEST(Formats, ShadeColourDarkensAndLightensEachChannel) {
    EXPECT_EQ(ShadeColour(Rgb(100, 100, 100), 50), Rgb(50, 50, 50));
    EXPECT_EQ(ShadeColour(Rgb(100, 100, 100), -50), Rgb(177, 177, 177));
    EXPECT_EQ(ShadeColour(Rgb(0, 0, 0), -100), Rgb(255, 255, 255));
    EXPECT_EQ(ShadeColour(0x12000000u | Rgb(100, 0, 0), 50), 0x12000000u | Rgb(50, 0, 0));
}

}  // namespace
}  // namespace kadenzo
