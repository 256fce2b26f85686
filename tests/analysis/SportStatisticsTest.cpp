// The statistics dialogs' figures: rows per sport and per breakdown, the
// summary's hours per week, the sorting rules and the column widths.
#include <gtest/gtest.h>

#include "AnalysisFixture.h"
#include "SportStatistics.h"
#include "Units.h"

namespace kadenzo::test {
namespace {

std::vector<std::string> Texts(const std::vector<StatisticsRow>& rows) {
    std::vector<std::string> texts;
    for (const StatisticsRow& row : rows) texts.push_back(row.Text());
    return texts;
}

TEST(SportStatisticsTest, HoursPerWeekCountWholeDays) {
    AnalysisWorld world;
    const int monday = Day(2024, 3, 11);
    world.Add(monday, 7, kEasyRun, 300);
    world.Add(monday + 6, 19, kLongRide, 300);
    SportStatistics stats = ComputeSportStatistics(world.log, world.library, monday, monday + 6);
    // Ten hours from Monday to Sunday are ten hours a week.
    EXPECT_DOUBLE_EQ(stats.HoursPerWeek().value(), 10.0);
    EXPECT_EQ(stats.TotalHours(), 10.0);
    ASSERT_EQ(stats.rows.size(), 2u);
    EXPECT_EQ(stats.rows[1].iconId, 2u);  // cycling's picture
    const RowFigures figures = FormatRowFigures(stats.rows[0], UnitSettings{});
    EXPECT_EQ(figures.distance, "---");  // no distance: no distance, no speed
    EXPECT_EQ(figures.speed, "---");
    EXPECT_EQ(figures.heartRate, "---");
    // Two workouts on one day, morning and evening: still one day.
    world.Add(monday + 6, 7, kLongRide, 60);
    stats = ComputeSportStatistics(world.log, world.library, monday + 6, monday + 6);
    EXPECT_EQ(stats.rows.size(), 1u);
    EXPECT_EQ(stats.totalMinutes, 360.0);  // the evening workout of the last day counts
    EXPECT_FALSE(stats.HoursPerWeek());
}

TEST(SportStatisticsTest, FiguresInTheUsersUnits) {
    AnalysisWorld world;
    CWorkOut& run = world.Add(Day(2024, 3, 12), 9, kEasyRun, 60, 10);
    run.averagePulse = 140;
    world.Add(Day(2024, 3, 12), 18, kIntervals, 30).averagePulse = 170;  // no distance
    CWorkOut& stray = world.Add(Day(2024, 3, 12), 20, kEasyRun, 45, 5);
    stray.sportId = 99;  // not in the library: not counted
    const SportStatistics stats =
        ComputeSportStatistics(world.log, world.library, Day(2024, 3, 12), Day(2024, 3, 12));
    ASSERT_EQ(stats.rows.size(), 1u);
    UnitSettings miles;
    miles.distance = 1;
    const RowFigures figures = FormatRowFigures(stats.rows[0], miles);
    EXPECT_EQ(figures.distance, "6.2");
    EXPECT_EQ(figures.hours, "1.5");
    EXPECT_EQ(figures.speed, "6.2");  // over the hour that had a distance
    EXPECT_EQ(figures.heartRate, "150.0");
}

TEST(SportStatisticsTest, DetailBreakdowns) {
    AnalysisWorld world;
    const int day = Day(2024, 3, 12);
    world.Add(day, 8, kEasyRun, 60).subSportId = kTrail;
    world.Add(day, 9, kIntervals, 30);
    world.Add(day, 10, kEasyRun, 40);
    world.Add(day, 11, kLongRide, 120);  // another sport
    auto detail = [&](DetailBreakdown breakdown) {
        return ComputeSportDetail(world.log, world.library, day, day, kRunning, breakdown);
    };
    EXPECT_EQ(Texts(detail(DetailBreakdown::Category)),
              (std::vector<std::string>{"Endurance", "Speed"}));
    EXPECT_EQ(detail(DetailBreakdown::Category)[0].duration, 100.0);
    const auto bySubSport = detail(DetailBreakdown::SubSport);
    EXPECT_EQ(Texts(bySubSport), (std::vector<std::string>{"Trail", "< ------ >"}));
    EXPECT_FALSE(bySubSport[1].name);
    EXPECT_EQ(Texts(detail(DetailBreakdown::Template)),
              (std::vector<std::string>{"Easy run", "Intervals"}));
}

TEST(SportStatisticsTest, SortingByClickedColumns) {
    SortState state;
    state.Click(2);
    state.Click(2);
    EXPECT_EQ(state.Value(), -3);  // the same column again: descending
    state.Click(0);
    EXPECT_EQ(state.Value(), 1);  // another column: ascending

    std::vector<StatisticsRow> rows(4);
    rows[0].name = "b";
    rows[0].duration = 60;
    rows[1].name = "\xC4pfel";  // sorts after the ASCII letters, as bytes do
    rows[1].duration = 30;
    rows[2].duration = 60;  // no name
    rows[3].name = "a";
    rows[3].duration = 90;
    SortRows(rows, state);
    EXPECT_EQ(Texts(rows), (std::vector<std::string>{"< ------ >", "a", "b", "\xC4pfel"}));

    state.Click(2);
    state.Click(2);  // duration, descending; equal durations keep their order
    SortRows(rows, state);
    EXPECT_EQ(Texts(rows), (std::vector<std::string>{"a", "< ------ >", "b", "\xC4pfel"}));
}

TEST(SportStatisticsTest, ColumnsNeverShrinkBelowTheirHeadings) {
    struct Case {
        const char* what;
        int width;
        std::vector<int> needed, expected;
    } const cases[] = {
        {"even shares", 600, {150, 80, 80, 80, 80}, {200, 100, 100, 100, 100}},
        {"a long heading", 600, {100, 80, 80, 180, 80}, {120, 100, 100, 180, 100}},
        {"the name keeps its room", 600, {150, 200, 200, 200, 80}, {150, 200, 200, 200, 100}},
        {"a narrow list", 0, {150, 80, 80, 80, 80}, {150, 80, 80, 80, 80}},
        {"a negative width", -50, {10, 20}, {10, 20}},
        {"one column", 300, {150}, {300}},
        {"none", 300, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(StatisticsColumnWidths(c.width, c.needed), c.expected);
    }
}

}  // namespace
}  // namespace kadenzo::test
