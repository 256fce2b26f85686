// Summing workouts into periods, groups and layers, ordering the bars and the
// collective slot, and what the chart is filled with.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>

#include "Aggregation.h"
#include "AnalysisFixture.h"
#include "ChartContent.h"
#include "ResourceIds.h"
#include "Units.h"

namespace kadenzo::test {
namespace {

class AggregationTest : public ::testing::Test {
protected:
    AnalysisResult Run() { return Analyse(world.log, world.library, units, texts, choice); }

    static std::vector<std::string> Names(const ShownPeriod& period) {
        std::vector<std::string> names;
        for (const ShownGroup& g : period.groups) names.push_back(g.name);
        return names;
    }

    AnalysisWorld world;
    UnitSettings units;
    AnalysisTexts texts;
    AnalysisChoice choice;  // 4 weeks, duration by category, no split
};

TEST_F(AggregationTest, WorkoutsBelongToTheirCalendarDay) {
    choice.referenceDay = Day(2024, 3, 13);
    world.Add(Day(2024, 3, 11), 7, kEasyRun, 60);     // Monday morning: the reference week
    world.Add(Day(2024, 3, 10), 23.5, kEasyRun, 30);  // Sunday night: the week before
    world.Add(Day(2024, 3, 18), 0.1, kEasyRun, 45);   // after the range
    world.Add(Day(2024, 2, 18), 20, kEasyRun, 45);    // before it
    const AnalysisResult result = Run();
    ASSERT_EQ(result.periods.size(), 4u);
    EXPECT_EQ(result.slotCount, 15);
    EXPECT_EQ(result.periods[3].groups.at(0).sum, 1.0);
    EXPECT_EQ(result.periods[2].groups.at(0).sum, 0.5);
    EXPECT_EQ(result.periods[0].groups.at(0).sum, 0.0);
}

// Before 30 December 1899 the whole part of a date names the day and the
// fraction counts forward from its midnight (-1.25 is 29 December, 06:00).
TEST_F(AggregationTest, DaysBeforeTheEpochHoldTheirOwnWorkouts) {
    EXPECT_EQ(Day(1899, 12, 29), -1);
    EXPECT_EQ(Day(1899, 12, 28), -2);
    // Sunday 24 December 1899: its week began on Monday the 18th.
    EXPECT_EQ(RangeStartDay(Day(1899, 12, 24), *FindRange(ID_RANGE_1_WEEK)), Day(1899, 12, 18));
    // Each workout's minutes are a bit of its own: the sum says which were found.
    const std::pair<double, double> workouts[] = {
        {-2 - 23 / 24.0, 1}, {-1 - 1 / 24.0, 2}, {-1 - 23 / 24.0, 4}, {0.0, 8},
        {23 / 24.0, 16},     {1.0, 32},
    };
    for (const auto& [date, minutes] : workouts) {
        auto w = std::make_unique<CWorkOut>();
        w->date = date;
        w->duration = minutes;
        world.log.AddWorkout(std::move(w));
    }
    const struct {
        int firstDay, endDay;
        double minutes;
    } cases[] = {{-3, -2, 0}, {-2, -1, 1}, {-1, 0, 6}, {0, 1, 24}, {1, 2, 32}, {-2, 1, 31}};
    for (const auto& c : cases) {
        double found = 0;
        for (const CWorkOut* w : WorkoutsOfDays(world.log, c.firstDay, c.endDay))
            found += w->duration;
        EXPECT_EQ(found, c.minutes) << c.firstDay << " to " << c.endDay;
    }
}

TEST_F(AggregationTest, SevenSportsInTwelveMonthsShowFourAndTheRest) {
    for (std::uint32_t id = 3; id <= 7; ++id) {
        AddItem(world.library.sports, id, "Sport " + std::to_string(id));
        AddItem(world.library.workoutTemplates, 40 + id, "T").sportId = id;
    }
    choice = {ID_RANGE_12_MONTHS, true, kKeySport, kKeyNone, kKeyNone, 0, Day(2004, 2, 10)};
    // Sport k runs k x 10 km in March and k km in February.
    for (std::uint32_t id = 3; id <= 7; ++id) {
        world.Add(Day(2003, 3, 5), 12, 40 + id, 60, id * 10.0);
        world.Add(Day(2004, 2, 5), 12, 40 + id, 60, id);
    }
    world.Add(Day(2003, 6, 1), 12, kEasyRun, 60, 1);
    world.Add(Day(2003, 6, 1), 12, kLongRide, 60, 2);
    const AnalysisResult result = Run();
    ASSERT_EQ(result.periods.size(), 12u);
    EXPECT_EQ(result.periods.front().span.label, "M\xE4r.03");
    EXPECT_EQ(result.slotCount, 5);
    EXPECT_EQ(Names(result.periods.front()),
              (std::vector<std::string>{"Sport 7", "Sport 6", "Sport 5", "Sport 4", "Rest"}));
    const ShownGroup& rest = result.periods.front().groups.back();
    EXPECT_TRUE(rest.collective);
    EXPECT_EQ(rest.colour, 0xE0E0E0u);
    EXPECT_EQ(rest.sum, 30.0);                              // sport 3 alone in March
    EXPECT_EQ(result.periods[3].groups.back().sum, 3.0);    // running and cycling in June
    EXPECT_FALSE(result.periods[3].groups.front().colour);  // no colour of its own: the chart's
    EXPECT_EQ(result.periods.back().groups.back().sum, 3.0);
}

TEST_F(AggregationTest, OrderByTotalWithTiesInTheOrderMet) {
    choice.referenceDay = Day(2024, 3, 13);
    choice.groupKey = kKeySport;
    world.Add(Day(2024, 2, 20), 9, kLongRide, 90);  // cycling is met first ...
    world.Add(Day(2024, 2, 21), 9, kEasyRun, 90);   // ... running has as much
    EXPECT_EQ(Names(Run().periods[1]), (std::vector<std::string>{"Cycling", "Running"}));
    world.Add(Day(2024, 3, 12), 9, kIntervals, 1);
    EXPECT_EQ(Names(Run().periods[1]), (std::vector<std::string>{"Running", "Cycling"}));
}

TEST_F(AggregationTest, ZeroValuesAndFilteredWorkoutsCreateNoGroup) {
    choice.referenceDay = Day(2024, 3, 13);
    world.Add(Day(2024, 3, 12), 9, kLongRide, 0, 40);         // no duration
    world.Add(Day(2024, 3, 12), 9, kLongRide, std::nan(""));  // damaged: counts nothing
    EXPECT_TRUE(Run().periods.front().groups.empty());

    // The sports menu: running by sub-sport; cycling does not count.
    choice.filterKey = kKeySport;
    choice.filterValue = kRunning;
    choice.groupKey = kKeySubSport;
    choice.showDistance = true;
    world.Add(Day(2024, 3, 12), 9, kEasyRun, 50, 10).subSportId = kTrail;
    world.Add(Day(2024, 3, 12), 18, kEasyRun, 30, 5);  // no sub-sport
    const AnalysisResult result = Run();
    const ShownPeriod& week = result.periods.back();
    EXPECT_EQ(Names(week), (std::vector<std::string>{"Trail", "???"}));
    EXPECT_EQ(week.groups[0].sum, 10.0);
    EXPECT_EQ(week.groups[1].colour, 0xFFFFFFu);  // no such sub-sport: white
}

TEST_F(AggregationTest, LayersAreTheSameInEveryPeriod) {
    choice.referenceDay = Day(2024, 3, 13);
    choice.layerKey = kKeyTemplate;
    world.Add(Day(2024, 2, 20), 9, kLongRide, 60);   // endurance: the long ride ...
    world.Add(Day(2024, 3, 12), 9, kEasyRun, 120);   // ... and the easy run
    world.Add(Day(2024, 3, 13), 9, kIntervals, 30);  // speed
    const AnalysisResult result = Run();
    EXPECT_EQ(result.layers, 2);
    for (const ShownPeriod& period : result.periods) {
        ASSERT_EQ(period.groups.size(), 2u);
        ASSERT_EQ(period.groups[0].layers.size(), 2u);
        EXPECT_EQ(period.groups[0].layers[0].name, "Long ride");
        EXPECT_EQ(period.groups[0].layers[1].name, "Easy run");
        EXPECT_EQ(period.groups[1].layers.size(), 1u);
    }
    EXPECT_EQ(result.periods[3].groups[0].layers[1].sum, 2.0);

    // The chart: a slot per group, a cell per layer, the rest in default colours.
    ChartContent content;
    FillChartContent(result, content);
    EXPECT_EQ(content.SlotAt(0).colour, 0x123456u);
    EXPECT_EQ(content.SlotAt(2).colour, ChartContent::kDefaultColours[2]);
    EXPECT_EQ(content.CellAt(3, 0, 1).label, "Easy run");
    EXPECT_EQ(content.CellAt(3, 1, 0).value, 0.5);
}

TEST_F(AggregationTest, TheLayerCountCoversTheBarsShownNotTheFirstMet) {
    // Thirteen sports in five years (twelve slots): the largest, met last,
    // still shows both of its layers.
    choice = {ID_RANGE_5_YEARS, false, kKeySport, kKeyCategory, kKeyNone, 0, Day(2024, 3, 13)};
    for (std::uint32_t id = 3; id <= 14; ++id) {
        AddItem(world.library.sports, id, "Sport");
        AddItem(world.library.workoutTemplates, 40 + id, "T").sportId = id;
        world.Add(Day(2022, 1, 1), 9, 40 + id, 10);
    }
    world.Add(Day(2023, 1, 1), 9, kEasyRun, 600);
    world.Add(Day(2023, 1, 2), 9, kIntervals, 600);
    const AnalysisResult result = Run();
    EXPECT_EQ(result.periods[3].groups.front().name, "Running");
    EXPECT_EQ(result.layers, 2);
    EXPECT_TRUE(result.periods[3].groups.back().collective);
}

}  // namespace
}  // namespace kadenzo::test
