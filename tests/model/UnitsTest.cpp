#include "Units.h"

#include <gtest/gtest.h>

#include <map>

#include "AppContext.h"

namespace kadenzo {
namespace {

class FixedStrings : public StringTable {
public:
    std::string Text(std::uint32_t id) const override { return "#" + std::to_string(id); }
};

class UnitsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetApp();
        App().strings = &strings_;
    }
    void TearDown() override { ResetApp(); }
    FixedStrings strings_;
};

TEST_F(UnitsTest, ImperialDistanceRoundTripsThroughTheDisplay) {
    App().units.distance = 1;
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitDistance), 6.21);
    EXPECT_NEAR(FromDisplay(6.21, kUnitDistance), 10.0, 1e-12);
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitSpeed), 6.21);
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitWeight), 10);
}

TEST_F(UnitsTest, PoundsConvertOnlyWeights) {
    App().units.weight = 1;
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitWeight), 22.05);
    EXPECT_NEAR(FromDisplay(22.05, kUnitWeight), 10.0, 1e-12);
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitDistance), 10);
}

TEST_F(UnitsTest, UnknownKindsAndSettingsPassThrough) {
    App().units.distance = 7;
    EXPECT_DOUBLE_EQ(ToDisplay(10, kUnitDistance), 10);
    EXPECT_EQ(UnitLabel(kUnitDistance), "??");
    EXPECT_EQ(UnitLabel(kUnitSpeed), "??");
    EXPECT_DOUBLE_EQ(ToDisplay(10, 99), 10);
    EXPECT_EQ(UnitLabel(99), "??");
}

TEST_F(UnitsTest, LabelsComeFromTheStringTable) {
    EXPECT_EQ(UnitLabel(kUnitDistance), "#33102");
    EXPECT_EQ(UnitLabel(kUnitSpeed), "#33104");
    EXPECT_EQ(UnitLabel(kUnitWeight), "#33106");
    App().units = {1, 1};
    EXPECT_EQ(UnitLabel(kUnitDistance), "#33103");
    EXPECT_EQ(UnitLabel(kUnitSpeed), "#33105");
    EXPECT_EQ(UnitLabel(kUnitWeight), "#33107");
}

}  // namespace
}  // namespace kadenzo
