#include <gtest/gtest.h>

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
    EXPECT_NEAR(FromDisplay(6.21, kUnitDistance, units), 10.0, 1e-12);
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitSpeed, units), 6.21);
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitWeight, units), 10);
    EXPECT_EQ(UnitLabel(kUnitSpeed, units, strings), "#33105");

    units = {0, 1};  // pounds
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitWeight, units), 22.05);
    EXPECT_NEAR(FromDisplay(22.05, kUnitWeight, units), 10.0, 1e-12);
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitDistance, units), 10);
    EXPECT_EQ(UnitLabel(kUnitWeight, units, strings), "#33107");

    units.distance = 7;  // unknown settings and kinds pass through
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitDistance, units), 10);
    EXPECT_EQ(UnitLabel(kUnitDistance, units, strings), "??");
    EXPECT_DOUBLE_EQ(ToDisplay(10, 99, units), 10);
    EXPECT_EQ(UnitLabel(99, units, strings), "??");
}

}  // namespace
}  // namespace kadenzo
