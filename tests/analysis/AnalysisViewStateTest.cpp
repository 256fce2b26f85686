// The view's commands: their effect on the choices, the radio marks, which
// commands rebuild and which reset the scale; the scale dialog's fields.
#include <gtest/gtest.h>

#include "AnalysisFixture.h"
#include "AnalysisViewState.h"
#include "ScaleValues.h"

namespace kadenzo::test {
namespace {

TEST(AnalysisViewStateTest, FirstStateAndRadioGroups) {
    AnalysisViewState state(Day(2024, 3, 13));
    const AnalysisChoice& choice = state.Choice();
    EXPECT_EQ(choice.rangeCommand, ID_RANGE_4_WEEKS);
    EXPECT_FALSE(choice.showDistance);
    EXPECT_EQ(choice.groupKey, kKeyCategory);
    EXPECT_EQ(choice.layerKey, kKeyNone);
    for (int id : {ID_CHART_BY_CATEGORY, ID_ANALYSIS_DURATION, ID_LAYER_NONE, ID_RANGE_4_WEEKS})
        EXPECT_TRUE(state.IsChecked(id)) << id;

    state.OnCommand(ID_LAYER_INTENSITY, 0);
    state.OnCommand(ID_ANALYSIS_DISTANCE, 0);
    EXPECT_EQ(state.Choice().layerKey, kKeyIntensity);
    EXPECT_TRUE(state.IsChecked(ID_LAYER_INTENSITY));
    EXPECT_FALSE(state.IsChecked(ID_LAYER_NONE));
    EXPECT_FALSE(state.IsChecked(ID_ANALYSIS_DURATION));

    state.OnSportMenuItem(2, 77);
    EXPECT_EQ(state.Choice().filterKey, kKeySport);
    EXPECT_EQ(state.Choice().filterValue, 77);
    EXPECT_EQ(state.Choice().groupKey, kKeySubSport);
    EXPECT_TRUE(state.IsChecked(ID_SPORT_MENU_FIRST + 1));
    EXPECT_FALSE(state.IsChecked(ID_CHART_BY_CATEGORY));
    state.OnCommand(ID_CHART_TOTALS, 0);
    EXPECT_EQ(state.Choice().filterKey, kKeyNone);
    EXPECT_EQ(state.Choice().groupKey, kKeyNone);
    EXPECT_FALSE(state.IsChecked(ID_SPORT_MENU_FIRST + 1));
    EXPECT_FALSE(state.OnSportMenuItem(51, 77).handled);  // beyond 0x0432
}

TEST(AnalysisViewStateTest, RebuildAndScaleReset) {
    struct Case {
        int command;
        bool rebuild;
        bool resetScale;
    };
    const Case cases[] = {
        {ID_ANALYSIS_DISTANCE, true, true}, {ID_CHART_BY_SPORT, true, true},
        {ID_LAYER_SPORT, true, false},      {ID_PAGE_BACK, true, false},
        {ID_RANGE_2_WEEKS, true, false},  // weeks as before
        {ID_RANGE_12_MONTHS, true, true},   {ID_RANGE_3_MONTHS, true, false},
        {ID_SCALE, false, false},  // the view's own dialog, no rebuild
    };
    AnalysisViewState state(Day(2024, 3, 13));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        const AnalysisViewState::Effect effect = state.OnCommand(c.command, Day(2024, 3, 13));
        EXPECT_EQ(effect.rebuild, c.rebuild);
        EXPECT_EQ(effect.resetScale, c.resetScale);
    }
}

TEST(AnalysisViewStateTest, PagingFollowsTheRangeUnit) {
    AnalysisViewState state(Day(2024, 3, 13));
    EXPECT_EQ(state.PagingTextId(ID_PAGE_BACK), 33007u);  // weeks
    state.OnCommand(ID_PAGE_BACK, 0);
    EXPECT_EQ(state.Choice().referenceDay, Day(2024, 3, 6));
    state.OnCommand(ID_RANGE_6_MONTHS, Day(2024, 3, 13));  // starts again from today
    EXPECT_EQ(state.Choice().referenceDay, Day(2024, 3, 13));
    EXPECT_EQ(state.PagingTextId(ID_PAGE_FORWARD), 33004u);
    state.OnCommand(ID_PAGE_FORWARD, 0);
    EXPECT_EQ(state.Choice().referenceDay, Day(2024, 4, 1));
    state.OnCommand(ID_RANGE_7_DAYS, Day(2024, 3, 13));
    EXPECT_EQ(state.PagingTextId(ID_PAGE_BACK), 33006u);
}

TEST(ScaleValuesTest, ParsingTheFields) {
    EXPECT_EQ(ParseDivisions(" 12 "), 12);
    EXPECT_EQ(ParseDivisions("0"), 0);
    EXPECT_EQ(ParseDivisions("50"), 50);
    for (const char* bad : {"51", "-1", "", "1.5", "7x", "99999999999"})
        EXPECT_FALSE(ParseDivisions(bad)) << bad;

    EXPECT_EQ(ParseStep("12,5"), 12.5);
    EXPECT_EQ(ParseStep(" 0.25"), 0.25);
    EXPECT_EQ(ParseStep("0"), 0.0);
    for (const char* bad : {"-1", "", "abc", "1,5,0", "inf", "nan", "1e999"})
        EXPECT_FALSE(ParseStep(bad)) << bad;
    for (double step : {0.1, 2.0, 1e-7, 12345.678}) EXPECT_EQ(ParseStep(FormatStep(step)), step);
}

}  // namespace
}  // namespace kadenzo::test
