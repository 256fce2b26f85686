// What the user reads and types: durations, numbers, dates, units and the
// Windows-1252 texts of the files.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <string>

#include "Cp1252.h"
#include "Formats.h"
#include "StringTable.h"
#include "Units.h"

namespace kadenzo {
namespace {

// "h:mm:ss" of a whole number of seconds, worked out in whole numbers.
std::string ClockText(long seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

// Every whole second shows as itself, however it was stored (as the editor
// reads it, as an import gives it, as minutes), and just short of the next
// second or minute is still this one: durations are cut, never rounded up.
TEST(Formats, EveryWholeSecondShowsAsItselfAndWhatIsShorterIsCut) {
    for (long seconds = 0; seconds <= 30 * 3600; ++seconds) {
        const std::string text = ClockText(seconds);
        const std::string minutes = text.substr(0, text.size() - 3);
        const double typed = ParseDuration(text);
        ASSERT_EQ(FormatDuration(typed, true), text) << seconds;
        ASSERT_EQ(FormatDuration(static_cast<float>(seconds) / 60.0, true), text) << seconds;
        ASSERT_EQ(FormatDuration(typed, false), minutes) << seconds;
        ASSERT_EQ(FormatDuration((seconds + 0.998) / 60.0, true), text) << seconds;
        ASSERT_EQ(FormatDuration((seconds - seconds % 60 + 59.9) / 60.0, false), minutes)
            << seconds;
    }
    EXPECT_EQ(FormatDuration(59.99999999, true), "1:00:00");  // a millisecond from the hour
    EXPECT_EQ(FormatDuration(-90.5, true), "-1:30:30");
    EXPECT_EQ(FormatDuration(2.0e9, false), "33333333:20");
    EXPECT_EQ(FormatDuration(2.1e9, false), "0:00");
    EXPECT_EQ(FormatDuration(std::numeric_limits<double>::quiet_NaN(), false), "0:00");
    EXPECT_EQ(FormatDuration(std::numeric_limits<double>::infinity(), true), "0:00:00");
}

TEST(Formats, ParseDurationReadsMinutesOrClockTexts) {
    const std::pair<const char*, double> cases[] = {
        {"1:30", 90}, {"1:30:30", 90.5}, {"45.5", 45.5}, {"1:75", 135}, {"", 0},
        {"abc", 0},   {"2:", 120},       {":30", 30},    {" 1e1", 10}};
    for (const auto& [text, minutes] : cases)
        EXPECT_DOUBLE_EQ(ParseDuration(text), minutes) << text;
}

// The program runs in the user's locale (Qt sets it), where printf and strtod
// would read and write "45,5"; numbers here must not follow it.
TEST(Formats, NumbersReadAndWriteThePointWhateverTheLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 locale is missing (scripts/install-deps makes it)";
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 2.5);
    EXPECT_STREQ(printed, "2,5");  // the C library does follow the locale here
    EXPECT_DOUBLE_EQ(ParseDuration("45.5"), 45.5);
    EXPECT_DOUBLE_EQ(ParseDuration(NormaliseDecimalComma("12,5")), 12.5);
    EXPECT_DOUBLE_EQ(ParseLeadingNumber("3.25 km"), 3.25);
    EXPECT_EQ(ParseLeadingNumber("1e999"), HUGE_VAL);  // as strtod: too large is infinite
    EXPECT_EQ(ParseLeadingNumber("-1e999"), -HUGE_VAL);
    EXPECT_EQ(ParseLeadingNumber("1e-999"), 0.0);
    EXPECT_EQ(FormatFixed(65.04, 1), "65.0");
    EXPECT_EQ(FormatFixed(-0.125, 2), "-0.12");
    EXPECT_EQ(WithPointDecimal(printed), "2.5");
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(Formats, RoundDownCutsTowardNegativeInfinity) {
    EXPECT_DOUBLE_EQ(RoundDown(6.219, 2), 6.21);
    EXPECT_DOUBLE_EQ(RoundDown(-1.001, 2), -1.01);
    // Decimals that binary cannot hold exactly keep their value.
    for (double v : {10.12, 0.29, 1.13, 4.35, -2.3}) EXPECT_DOUBLE_EQ(RoundDown(v, 2), v) << v;
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

class FixedStrings : public StringTable {
public:
    std::string Text(std::uint32_t id) const override { return "#" + std::to_string(id); }
};

TEST(Units, EachSettingConvertsOnlyItsOwnKindAndPicksItsLabel) {
    FixedStrings strings;
    UnitSettings units;
    EXPECT_EQ(UnitLabel(kUnitDistance, units, strings), "#33102");
    EXPECT_EQ(UnitLabel(kUnitWeight, units, strings), "#33106");

    units.distance = 1;  // miles
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitDistance, units), 6.21);
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitSpeed, units), 6.21);
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitWeight, units), 10);
    EXPECT_EQ(UnitLabel(kUnitSpeed, units, strings), "#33105");

    units = {0, 1};  // pounds
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitWeight, units), 22.05);
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitDistance, units), 10);
    EXPECT_EQ(UnitLabel(kUnitWeight, units, strings), "#33107");

    units.distance = 7;  // unknown settings and kinds pass through
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitDistance, units), 10);
    EXPECT_EQ(UnitLabel(kUnitDistance, units, strings), "??");
    EXPECT_DOUBLE_EQ(ToDisplay(10, 99, units), 10);
    EXPECT_EQ(UnitLabel(99, units, strings), "??");
}

// A value typed in the user's units is stored and shown again unchanged, and a
// stored value shown and typed back is stored unchanged, in every setting.
TEST(Units, ShownAndTypedBackGiveTheSameValueInEverySetting) {
    for (const UnitSettings units : {UnitSettings{0, 0}, UnitSettings{1, 1}, UnitSettings{7, 7}}) {
        for (int kind : {kUnitDistance, kUnitWeight, kUnitSpeed}) {
            for (int i = -50; i <= 5000; ++i) {
                const double v = i * 0.37;
                const double tolerance = 1e-12 * std::max(1.0, std::fabs(v));
                ASSERT_NEAR(FromDisplay(ToDisplay(v, kind, units), kind, units), v, tolerance)
                    << v << " kind " << kind << " setting " << units.distance;
                ASSERT_NEAR(ToDisplay(FromDisplay(v, kind, units), kind, units), v, tolerance)
                    << v << " kind " << kind << " setting " << units.distance;
            }
        }
    }
}

TEST(Cp1252, EveryByteRoundTripsThroughUtf8AndTheRestBecomesQuestionMarks) {
    EXPECT_EQ(Cp1252ToUtf8("M\xFC \x80"), "M\xC3\xBC \xE2\x82\xAC");
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    // Unmappable and malformed input becomes question marks.
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");      // a CJK character
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");            // cut short
    EXPECT_EQ(Utf8ToCp1252("\x80x"), "?x");            // stray continuation
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80"), "?");  // outside the BMP
    EXPECT_EQ(Utf16UnitToCp1252(u'\u20AC'), '\x80');
    EXPECT_EQ(Utf16UnitToCp1252(u'\u4E2D'), '?');
}

}  // namespace
}  // namespace kadenzo
