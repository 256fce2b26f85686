#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "StringTable.h"
#include "Units.h"

namespace kadenzo {
namespace {

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

}  // namespace
}  // namespace kadenzo
