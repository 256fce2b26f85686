#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <map>

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

}  // namespace
}  // namespace kadenzo
