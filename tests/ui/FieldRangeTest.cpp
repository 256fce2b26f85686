#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>

#include "DecimalField.h"
#include "FieldRange.h"

namespace kadenzo {
namespace {

constexpr FieldRange kHeartRate{7, 0, 255, true};
constexpr FieldRange kDistance{8, 0, kLargestFigure, false};
constexpr FieldRange kInt32{9, std::numeric_limits<std::int32_t>::min(),
                            std::numeric_limits<std::int32_t>::max(), true};

class Texts : public StringTable {
public:
    std::string Text(std::uint32_t id) const override {
        static const std::map<std::uint32_t, std::string> texts = {
            {34800, "%s must be %s from %s to %s."},
            {34801, "a whole number"},
            {34802, "a number"},
            {7, "Average heart rate"},
            {8, "Distance"}};
        const auto it = texts.find(id);
        return it == texts.end() ? std::string() : it->second;
    }
};

TEST(FieldRange, HoldsWhatItsRecordFieldCan) {
    struct Case {
        const FieldRange& range;
        double value;
        bool held;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {kHeartRate, 0, true},
        {kHeartRate, 255, true},
        {kHeartRate, 141, true},
        {kHeartRate, 256, false},
        {kHeartRate, 300, false},
        {kHeartRate, 1500, false},
        {kHeartRate, -1, false},
        {kHeartRate, 140.5, false},
        {kHeartRate, nan, false},
        {kHeartRate, infinity, false},
        {kDistance, 0, true},
        {kDistance, 12.345, true},
        {kDistance, kLargestFigure, true},
        {kDistance, -0.01, false},
        {kDistance, 1e10, false},
        {kDistance, nan, false},
        {kDistance, -infinity, false},
        {kInt32, -2147483648.0, true},
        {kInt32, 2147483647, true},
        {kInt32, 2147483648.0, false},
    };
    for (const Case& c : cases) EXPECT_EQ(c.range.Holds(c.value), c.held) << c.value;
}

TEST(FieldRange, TheMessageNamesTheFieldAndItsRange) {
    const Texts texts;
    EXPECT_EQ(RangeMessage(kHeartRate, texts),
              "Average heart rate must be a whole number from 0 to 255.");
    EXPECT_EQ(RangeMessage(kDistance, texts), "Distance must be a number from 0 to 1000000000.");
    EXPECT_EQ(RangeMessage(kInt32, EmptyStringTable()),
              "This field must be a whole number from -2147483648 to 2147483647.");
}

TEST(FieldRange, AFieldIsReadAsOneNumberItsRangeHolds) {
    EXPECT_EQ(ReadRangeField("185", kInt32), 185);
    EXPECT_EQ(ReadRangeField("  0 ", kInt32), 0);
    EXPECT_EQ(ReadRangeField("-20", kInt32), -20);
    EXPECT_EQ(ReadRangeField("+21", kInt32), 21);
    EXPECT_EQ(ReadRangeField("2147483647", kInt32), 2147483647);
    EXPECT_EQ(ReadRangeField("-2147483648", kInt32), -2147483648.0);
    EXPECT_EQ(ReadRangeField("12,5", kDistance), 12.5);
    for (const char* text : {"", " ", "-", "18 5", "185bpm", "18.5", "1,85", "2147483648",
                             "-2147483649", "99999999999999999999", "nan"}) {
        EXPECT_FALSE(ReadRangeField(text, kInt32).has_value()) << text;
    }
    for (const char* text : {"-1", "1e10", "1e999", "12 km"})
        EXPECT_FALSE(ReadRangeField(text, kDistance).has_value()) << text;
}

// Every number field reads what it shows back as the same value, with either
// decimal separator and blanks around it, also where the C library's own
// decimal point is a comma; anything more in the field is no number.
TEST(NumberFields, ReadBackWhatTheyShowUnderEveryLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    for (int i = -3000; i <= 3000; i += 7) {
        for (int decimals : {0, 1, 2}) {
            const double value = i * 1.37 / 10;
            const std::string shown = FormatDecimalField(value, decimals);
            const std::optional<double> read = ReadDecimalField(shown);
            ASSERT_TRUE(read.has_value()) << shown;
            EXPECT_EQ(FormatDecimalField(*read, decimals), shown);
            EXPECT_NEAR(*read, value, 0.5 / std::pow(10, decimals) + 1e-9) << shown;
            std::string comma = shown;
            if (const auto point = comma.find('.'); point != std::string::npos) comma[point] = ',';
            EXPECT_EQ(ReadDecimalField(" " + comma + "\t"), read) << comma;
            EXPECT_EQ(ReadFigureField(comma), *read) << comma;
            for (const char* after : {" km", "x", ".5.", ",", " 1", "e"})
                EXPECT_FALSE(ReadDecimalField(shown + after).has_value()) << shown + after;
        }
        EXPECT_EQ(ReadWholeField<int>(" +" + std::to_string(i * 719) + " "), i * 719);
        EXPECT_EQ(ReadDecimalField(FormatDecimalField(i / 1000.0)), i / 1000.0);
    }
    std::setlocale(LC_ALL, previous.c_str());
    for (const char* text : {"", " ", "-", "+", "--1", "+-1", "-+1", ".", ",5", "1,,5", "inf",
                             "nan", "1e999", "0x10", "1 000"})
        EXPECT_FALSE(ReadDecimalField(text).has_value()) << text;
    for (const char* text : {"1,000", "1.5", "1e3", "--1", "+", "4294967296", "12 3"})
        EXPECT_FALSE(ReadWholeField<std::uint32_t>(text).has_value()) << text;
    EXPECT_FALSE(ReadWholeField<std::uint32_t>("-1").has_value());
    EXPECT_EQ(ReadFigureField(" \t"), 0.0);  // an emptied figure is 0
    EXPECT_TRUE(std::isnan(ReadFigureField("12 km")));
}

}  // namespace
}  // namespace kadenzo
