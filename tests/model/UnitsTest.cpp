#include <gtest/gtest.h>

#include "AppContext.h"
#include "Units.h"

namespace kadenzo {
namespace {

class FixedStrings : public StringTable {
public:
    std::string Text(std::uint32_t id) const override { return "#" + std::to_string(id); }
};

TEST(Units, EachSettingConvertsOnlyItsOwnKindAndPicksItsLabel) {
    FixedStrings strings;
    ResetApp();
    App().strings = &strings;
    EXPECT_EQ(UnitLabel(kUnitDistance), "#33102");
    EXPECT_EQ(UnitLabel(kUnitWeight), "#33106");

    App().units.distance = 1;  // miles
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitDistance), 6.21);
    EXPECT_NEAR(FromDisplay(6.21, kUnitDistance), 10.0, 1e-12);
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitSpeed), 6.21);
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitWeight), 10);
    EXPECT_EQ(UnitLabel(kUnitSpeed), "#33105");

    App().units = {0, 1};  // pounds
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitWeight), 22.05);
    EXPECT_NEAR(FromDisplay(22.05, kUnitWeight), 10.0, 1e-12);
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitDistance), 10);
    EXPECT_EQ(UnitLabel(kUnitWeight), "#33107");

    App().units.distance = 7;  // unknown settings and kinds pass through
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitDistance), 10);
    EXPECT_EQ(UnitLabel(kUnitDistance), "??");
    EXPECT_DOUBLE_EQ(ToDisplay(10, 99), 10);
    EXPECT_EQ(UnitLabel(99), "??");
    ResetApp();
}

}  // namespace
}  // namespace kadenzo
