#include <gtest/gtest.h>

#include "SpokenDiary.h"
#include "WeekTotals.h"
#include "WorkoutLabels.h"

namespace kadenzo {
namespace {

// 2024-03-13, a Wednesday.
constexpr int kDay = 45364;

LabelFacts Facts(const char* name, double plannedMinutes, double minutes) {
    LabelFacts facts;
    facts.workoutName = name;
    facts.sportName = "Running";
    facts.plannedDuration = plannedMinutes;
    facts.duration = minutes;
    facts.distanceUnit = "km";
    return facts;
}

// A reader hears a workout's whole label, however long its name; the mark of
// a lost template reads as a word.
TEST(SpokenDiary, AWorkoutIsHeardWhole) {
    const EmptyStringTable texts;
    const std::string name = "Intervals 5 x 1000 m at threshold pace with long rests";
    EXPECT_EQ(SpokenWorkout(Facts(name.c_str(), 0, 45), kDay, kDay + 1, texts), name + ", 0:45");
    EXPECT_EQ(SpokenWorkout(Facts("???", 0, 30), kDay, kDay + 1, texts), "unknown, 0:30");
    // Nothing to show below the title: the title alone, without a comma.
    EXPECT_EQ(SpokenWorkout(Facts("Rest", 0, 0), kDay, kDay, texts), "Rest");
}

TEST(SpokenDiary, AWeekSaysItsTotalsAndItsRamp) {
    const EmptyStringTable texts;
    WeekTotals totals;
    totals.Add(kDay, kDay, 90, 0);
    const std::string planned = SpokenWeekDetails(totals, false, texts);
    EXPECT_EQ(planned, "Planned 01:30, performed none.");
    const std::string ramp = SpokenWeekDetails(totals, true, texts);
    EXPECT_EQ(ramp.substr(0, planned.size()), planned);
    EXPECT_NE(ramp.find("Ramp"), std::string::npos);
    EXPECT_EQ(SpokenWorkoutDay(kDay, "Race.", texts), "Wednesday, 13 March 2024. Race.");
    EXPECT_EQ(SpokenWorkoutDay(kDay, "", texts), "Wednesday, 13 March 2024.");
}

}  // namespace
}  // namespace kadenzo
