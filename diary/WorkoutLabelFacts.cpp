#include "DiaryDates.h"
#include "Library.h"
#include "WorkOut.h"
#include "WorkoutLabels.h"

namespace kadenzo {

LabelFacts FactsOf(CWorkOut& workout) {
    workout.ComputeTargetPulse(false);
    LabelFacts f;
    const CLibWorkout* libraryWorkout = FindWorkout(workout.templateId);
    f.workoutName = GetWorkoutName(workout.templateId);
    // A missing template counts as one with a sport: its "???" stands alone.
    f.templateHasSport = !libraryWorkout || libraryWorkout->sportId != 0;
    f.workoutHasSport = workout.sportId != 0;
    f.sportName = GetSportName(workout.sportId);
    f.plannedDistance = workout.plannedDistance;
    f.plannedDuration = workout.plannedDuration;
    f.distance = workout.distance;
    f.duration = workout.duration;
    f.targetPulseLow = workout.targetPulseLow;
    f.targetPulseHigh = workout.targetPulseHigh;
    f.averagePulse = workout.averagePulse;
    return f;
}

std::string ScreenTitle(CWorkOut& workout) { return ScreenTitle(FactsOf(workout)); }

std::string ScreenDetail(CWorkOut& workout, int dayNumber) {
    return ScreenDetail(FactsOf(workout), dayNumber, TodayDayNumber());
}

std::string PrintLabel(CWorkOut& workout, int mode) { return PrintLabel(FactsOf(workout), mode); }

}  // namespace kadenzo
