// The form view's Qt-free rules: the days of each range and where paging
// takes them, how far ahead they reach, the command state, the round axis,
// where the chart puts the days, today, the events, the races and the runs
// of flagged days, and where the projection stops.
#include <gtest/gtest.h>

#include "DateTime.h"
#include "FormLayout.h"
#include "FormRange.h"
#include "FormShownDays.h"
#include "ResourceIds.h"

namespace kadenzo {
namespace {

int Day(int year, int month, int day) { return DayNumber(*NoonOfDay(year, month, day)); }

const int kToday = Day(2024, 3, 13);  // a Wednesday

// Ten days around a Friday as "today", with a blocked event of two days.
FormChartData TenDays();

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
    EXPECT_TRUE(state.IsChecked(ID_FORM_NEXT_RACE));
    ASSERT_TRUE(state.OnCommand(ID_FORM_6_MONTHS, kToday));
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
        // Back to the days up to the next race, paged by weeks.
        {ID_FORM_NEXT_RACE, kToday, IDS_FORWARD_DAY + 1},
        {ID_PAGE_BACK, kToday - 7, IDS_FORWARD_DAY + 1},
        {ID_FORM_2_YEARS, kToday, IDS_FORWARD_DAY + 3},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.command);
        EXPECT_TRUE(state.OnCommand(step.command, kToday));
        EXPECT_EQ(state.ReferenceDay(), step.reference);
        EXPECT_EQ(state.PagingTextId(ID_PAGE_FORWARD), step.forwardText);
    }
    EXPECT_TRUE(state.IsChecked(ID_FORM_2_YEARS));
    EXPECT_FALSE(state.IsChecked(ID_FORM_6_WEEKS));
    EXPECT_FALSE(state.IsChecked(ID_FORM_NEXT_RACE));
    EXPECT_FALSE(state.OnCommand(ID_RANGE_1_YEAR, kToday));
    EXPECT_EQ(state.PagingTextId(ID_FORM_TODAY), 0u);
}

// The first days run from the Monday six weeks back to the Sunday of the
// next race's week (four weeks ahead without one) and page by weeks; every
// range that shows today reaches the plan ahead, to the end of its week or
// month, but never decades ahead.
TEST(FormRange, TheFirstDaysReachTheRaceAndEveryRangeThePlan) {
    const int back = Day(2024, 1, 29);
    EXPECT_EQ(RaceDays(kToday, std::nullopt), (FormDays{back, Day(2024, 4, 14)}));
    EXPECT_EQ(RaceDays(kToday, Day(2024, 6, 5)), (FormDays{back, Day(2024, 6, 9)}));
    struct Case {
        int command;  // 0: the first days
        FormAhead ahead;
        FormDays days;
    } const cases[] = {
        {0, {Day(2024, 5, 1), Day(2024, 5, 7)}, {back, Day(2024, 5, 12)}},
        {ID_FORM_6_WEEKS, {Day(2024, 3, 20), Day(2024, 3, 22)}, {back + 21, Day(2024, 3, 31)}},
        {ID_FORM_6_WEEKS, {std::nullopt, Day(2024, 4, 10)}, {back + 21, Day(2024, 4, 14)}},
        {ID_FORM_1_YEAR, {Day(2025, 1, 3), Day(2025, 1, 10)}, {Day(2024, 1, 1), Day(2025, 1, 31)}},
        {ID_FORM_3_MONTHS, {std::nullopt, kToday + 100000}, {Day(2024, 2, 1), Day(2026, 3, 31)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        FormViewState state(kToday);
        state.SetAhead(c.ahead);
        if (c.command) {
            ASSERT_TRUE(state.OnCommand(c.command, kToday));
        }
        EXPECT_EQ(state.Days(), c.days);
        EXPECT_EQ(state.IsChecked(ID_FORM_6_WEEKS), c.command == ID_FORM_6_WEEKS);
        // Two pages back: the first days move by two weeks; a range no
        // longer showing today is its own periods again.
        state.OnCommand(ID_PAGE_BACK, kToday);
        state.OnCommand(ID_PAGE_BACK, kToday);
        if (!c.command) {
            EXPECT_EQ(state.Days().firstDay, back - 14);
        }
    }
}

// Readable for every spread of figures, none included: whole-point labels
// that rise tick by tick, 0 among them.
TEST(FormLayout, AxesAreRoundHoldZeroAndLabelEachTickOnce) {
    struct Case {
        double min, max;
        FormAxis axis;
    } const cases[] = {
        {0, 0, {0, 5, 1}},    {0, 0.3, {0, 5, 1}},           {-0.4, 0, {-1, 5, 1}},
        {0, 47, {0, 50, 10}}, {-23, 61, {-40, 80, 20}},      {12, 13, {0, 15, 5}},
        {-8, -2, {-8, 0, 2}}, {-1e6, 1e6, {-1e6, 1e6, 5e5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << " to " << c.max);
        EXPECT_EQ(RoundAxis(c.min, c.max, 5), c.axis);
        FormChartData data = TenDays();
        for (FormDay& day : data.series) day.fitness = day.fatigue = day.form = 0;
        data.series.front().fitness = c.max;
        data.series.back().form = c.min;
        const auto ticks = LayOutFormChart(data, {1000, 600, 20, 40, 60, 4}).valueTicks;
        ASSERT_GE(ticks.size(), 2u);
        for (std::size_t i = 1; i < ticks.size(); ++i)
            EXPECT_GT(ticks[i].value, ticks[i - 1].value);
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

// Past the plan's last day the lines stop; warming-up and ramp days come as
// runs of whole columns; every race within the days has its flag.
TEST(FormLayout, TheProjectionStopsAndFlaggedDaysAndRacesHaveTheirPlace) {
    FormChartData data = TenDays();
    for (std::size_t i = 0; i < data.series.size(); ++i) {
        data.series[i].warmingUp = i < 3;
        data.series[i].ramp = i == 5 || i == 6 || i == 8;
        data.series[i].afterPlan = i > 7;
    }
    data.races = {{data.days.firstDay - 1, "Earlier"},
                  {data.days.firstDay + 6, "Town 10 km"},
                  {data.days.lastDay + 1, "Later"}};
    const FormChartLayout layout = LayOutFormChart(data, {1000, 600, 20, 40, 60, 4});
    for (int l = 0; l < 3; ++l) {
        EXPECT_EQ(layout.done[l].size(), 5u);
        EXPECT_EQ(layout.projected[l].size(), 4u);  // today to the plan's last day
    }
    ASSERT_EQ(layout.warmingUp.size(), 1u);
    EXPECT_DOUBLE_EQ(layout.warmingUp[0].Width(), 3 * layout.dayWidth);
    ASSERT_EQ(layout.rampDays.size(), 2u);
    EXPECT_DOUBLE_EQ(layout.rampDays[0].Width(), 2 * layout.dayWidth);
    EXPECT_DOUBLE_EQ(layout.rampDays[1].left, layout.lines.left + 8 * layout.dayWidth);
    const std::vector<FormChartLayout::RaceFlag> flags = {
        {layout.lines.left + 6.5 * layout.dayWidth, data.days.firstDay + 6, 1}};
    EXPECT_EQ(layout.raceFlags, flags);
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
