// The form view's Qt-free rules: the days of each range and where paging
// takes them, the command state, the round axis, where the chart puts the
// days, today and the events, and which figures the legend states.
#include <gtest/gtest.h>

#include "DateTime.h"
#include "FormLayout.h"
#include "FormRange.h"
#include "ResourceIds.h"

namespace kadenzo {
namespace {

int Day(int year, int month, int day) { return DayNumber(*NoonOfDay(year, month, day)); }

const int kToday = Day(2024, 3, 13);  // a Wednesday

TEST(FormRange, EachRangeShowsWholePeriodsWithThePlanAhead) {
    struct Case {
        int command;
        int reference;
        FormDays days;
    } const cases[] = {
        // Four weeks up to this one and two after it, from Monday.
        {ID_FORM_6_WEEKS, kToday, {Day(2024, 2, 19), Day(2024, 3, 31)}},
        {ID_FORM_3_MONTHS, kToday, {Day(2024, 2, 1), Day(2024, 4, 30)}},
        {ID_FORM_6_MONTHS, kToday, {Day(2023, 12, 1), Day(2024, 5, 31)}},
        // Months carry over the turn of the year both ways.
        {ID_FORM_6_MONTHS, Day(2024, 11, 5), {Day(2024, 8, 1), Day(2025, 1, 31)}},
        {ID_FORM_3_MONTHS, Day(2024, 1, 31), {Day(2023, 12, 1), Day(2024, 2, 29)}},
        {ID_FORM_1_YEAR, kToday, {Day(2024, 1, 1), Day(2024, 12, 31)}},
        {ID_FORM_2_YEARS, kToday, {Day(2023, 1, 1), Day(2024, 12, 31)}},
        // A Sunday belongs to the week before.
        {ID_FORM_6_WEEKS, Day(2024, 3, 17), {Day(2024, 2, 19), Day(2024, 3, 31)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(FormRangeDays(*FindFormRange(c.command), c.reference), c.days);
    }
    EXPECT_EQ(FindFormRange(ID_RANGE_4_WEEKS), nullptr);  // the analysis's
}

TEST(FormRange, CommandsPageByTheUnitAndTodayReturns) {
    FormViewState state(kToday);
    struct Step {
        int command, reference;
        std::uint32_t forwardText;
    } const steps[] = {
        {ID_PAGE_BACK, Day(2024, 2, 1), IDS_FORWARD_DAY + 2},
        {ID_PAGE_BACK, Day(2024, 1, 1), IDS_FORWARD_DAY + 2},
        {ID_PAGE_BACK, Day(2023, 12, 1), IDS_FORWARD_DAY + 2},  // over the turn of the year
        {ID_PAGE_FORWARD, Day(2024, 1, 1), IDS_FORWARD_DAY + 2},
        {ID_FORM_TODAY, kToday, IDS_FORWARD_DAY + 2},
        {ID_FORM_6_WEEKS, kToday, IDS_FORWARD_DAY + 1},
        {ID_PAGE_FORWARD, kToday + 7, IDS_FORWARD_DAY + 1},
        {ID_FORM_2_YEARS, kToday, IDS_FORWARD_DAY + 3},
        {ID_PAGE_BACK, Day(2023, 1, 1), IDS_FORWARD_DAY + 3},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.command);
        EXPECT_TRUE(state.OnCommand(step.command, kToday));
        EXPECT_EQ(state.ReferenceDay(), step.reference);
        EXPECT_EQ(state.PagingTextId(ID_PAGE_FORWARD), step.forwardText);
    }
    EXPECT_TRUE(state.IsChecked(ID_FORM_2_YEARS));
    EXPECT_FALSE(state.IsChecked(ID_FORM_6_WEEKS));
    EXPECT_FALSE(state.OnCommand(ID_RANGE_1_YEAR, kToday));
    EXPECT_EQ(state.PagingTextId(ID_FORM_TODAY), 0u);
}

TEST(FormLayout, AxesAreRoundAndHoldZero) {
    struct Case {
        double min, max;
        FormAxis axis;
    } const cases[] = {
        // An empty diary still has an axis; 0 always shows.
        {0, 0, {0, 1, 0.2}},  {0, 47, {0, 50, 10}}, {-23, 61, {-40, 80, 20}},
        {12, 13, {0, 15, 5}}, {-8, -2, {-8, 0, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.max);
        EXPECT_EQ(RoundAxis(c.min, c.max, 5), c.axis);
    }
}

TEST(FormLayout, EventBandsLetTheFirstStoredEventWin) {
    const FormDays shown{100, 120};
    const std::vector<FormBand> bands =
        FormBands({{90, 102}, {110, 115}, {112, 125}, {130, 140}}, shown);
    const std::vector<FormBand> expected = {{100, 102, 0}, {110, 115, 1}, {116, 120, 2}};
    EXPECT_EQ(bands, expected);
}

FormChartData TenDays() {
    FormChartData data;
    data.days = {Day(2024, 3, 4), Day(2024, 3, 13)};  // Monday to Wednesday week after
    data.today = Day(2024, 3, 8);
    data.unit = CalendarUnit::Weeks;
    for (int day = data.days.firstDay; day <= data.days.lastDay; ++day) {
        FormDay d;
        d.day = day;
        d.load = day % 2 == 0 ? 100 : 0;
        d.fitness = day - data.days.firstDay;
        d.fatigue = 2 * (day - data.days.firstDay);
        d.form = d.fitness - d.fatigue;
        d.projected = day > data.today;
        data.series.push_back(d);
    }
    data.bands = {{Day(2024, 3, 11), Day(2024, 3, 12), 0, 0xFF, true}};
    return data;
}

TEST(FormLayout, TodaySplitsTheLinesAndEveryDayHasItsColumn) {
    const FormChartData data = TenDays();
    const FormChartMetrics metrics{1000, 600, 20, 40, 60, 4};
    const FormChartLayout layout = LayOutFormChart(data, metrics);

    EXPECT_LT(layout.lines.bottom, layout.loads.top);
    // Done up to today, projected from today on: both hold today's point.
    for (int l = 0; l < 3; ++l) {
        EXPECT_EQ(layout.done[l].size(), 5u);
        EXPECT_EQ(layout.projected[l].size(), 6u);
        EXPECT_EQ(layout.done[l].back(), layout.projected[l].front());
    }
    EXPECT_DOUBLE_EQ(layout.todayX.value(), layout.done[0].back().x);
    // Bars only on days with load, as high as the loads' area.
    EXPECT_EQ(layout.bars.size(), 10u);
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_EQ(layout.bars[i].Height() > 0, data.series[i].load > 0) << i;
    EXPECT_DOUBLE_EQ(layout.bars[1].Height(), layout.loads.Height());  // the highest load
    // The axis spans form's -9 to fatigue's 18.
    EXPECT_EQ(layout.valueMin, -10);
    EXPECT_EQ(layout.valueMax, 20);
    ASSERT_EQ(layout.bands.size(), 1u);
    EXPECT_DOUBLE_EQ(layout.bands[0].rect.Width(), 2 * layout.dayWidth);
    // Mondays carry the ticks.
    ASSERT_EQ(layout.dateTicks.size(), 2u);
    EXPECT_EQ(layout.dateTicks[1].day, Day(2024, 3, 11));

    // The mouse finds the day of its column, between the lines' top and the bars' foot.
    const double x = layout.lines.left + 4.5 * layout.dayWidth;
    EXPECT_EQ(FormDayAt(layout, data, x, layout.loads.bottom - 1), data.today);
    EXPECT_EQ(FormDayAt(layout, data, x, layout.legend.top + 1), std::nullopt);
    EXPECT_EQ(FormDayAt(layout, data, layout.lines.left - 1, layout.lines.top + 1), std::nullopt);
}

TEST(FormLayout, LabelsThinOutWhereTheyWouldTouch) {
    FormChartData data = TenDays();
    data.days = {Day(2023, 1, 1), Day(2024, 12, 31)};
    data.unit = CalendarUnit::Years;
    data.series.assign(static_cast<std::size_t>(data.days.Count()), FormDay{});
    data.bands.clear();
    data.today = Day(2025, 6, 1);
    const FormChartLayout wide = LayOutFormChart(data, {2400, 600, 20, 40, 60, 4});
    const FormChartLayout narrow = LayOutFormChart(data, {600, 600, 20, 40, 60, 4});
    ASSERT_EQ(wide.dateTicks.size(), 24u);
    auto labelled = [](const FormChartLayout& layout) {
        int count = 0;
        for (const auto& tick : layout.dateTicks) count += tick.labelled;
        return count;
    };
    EXPECT_EQ(labelled(wide), 24);
    EXPECT_EQ(labelled(narrow), 6);  // every fourth month
    EXPECT_FALSE(narrow.todayX.has_value());
}

}  // namespace
}  // namespace kadenzo
