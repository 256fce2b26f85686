// The view's commands: the sports menu's filter, which commands rebuild and
// which reset the scale; the scale dialog's fields.
#include <gtest/gtest.h>

#include "AnalysisFixture.h"
#include "AnalysisViewState.h"
#include "ScaleValues.h"

namespace kadenzo::test {
namespace {

TEST(AnalysisViewStateTest, TheSportsMenuFiltersUntilAnotherChartKind) {
    AnalysisViewState state(Day(2024, 3, 13));
    state.OnCommand(ID_LAYER_INTENSITY, 0);
    state.OnSportMenuItem(2, 77);
    EXPECT_EQ(state.Choice().filterKey, kKeySport);
    EXPECT_EQ(state.Choice().filterValue, 77);
    EXPECT_EQ(state.Choice().groupKey, kKeySubSport);
    EXPECT_EQ(state.Choice().layerKey, kKeyIntensity);  // the split stays
    EXPECT_TRUE(state.IsChecked(ID_SPORT_MENU_FIRST + 1));
    state.OnCommand(ID_CHART_TOTALS, 0);
    EXPECT_EQ(state.Choice().filterKey, kKeyNone);
    EXPECT_FALSE(state.IsChecked(ID_SPORT_MENU_FIRST + 1));
    EXPECT_FALSE(state.OnSportMenuItem(51, 77).handled);  // beyond 0x0432
}

TEST(AnalysisViewStateTest, RebuildAndScaleReset) {
    struct Case {
        int command;
        bool rebuild, resetScale;
    } const cases[] = {
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
    // Paged back, then a new range: it starts again from today.
    EXPECT_EQ(state.Choice().referenceDay, Day(2024, 3, 13));
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
