#include "AppContext.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "WorkOut.h"
#include "WorkoutLabels.h"

namespace kadenzo {

LabelContext LabelContextOf(const CKadenzoDoc& doc) {
    const AppContext& context = doc.Context();
    LabelContext label;
    label.library = &doc.Library();
    label.maxHeartRate = [&doc](const CWorkOut& w) { return doc.MaxHeartRate(w); };
    label.units = context.units;
    label.distanceUnit = UnitLabel(kUnitDistance, context.units, context.Texts());
    label.today = context.Today();
    return label;
}

LabelFacts FactsOf(const CWorkOut& workout, const LabelContext& context) {
    LabelFacts f;
    const CLibWorkout* libraryWorkout =
        context.library ? context.library->FindWorkout(workout.templateId) : nullptr;
    // Targets that follow the template are shown as it gives them now; working
    // them out on a copy leaves the stored record alone.
    CWorkOut targets(workout);
    if (context.library) targets.ComputeTargetPulse(*context.library, context.maxHeartRate, false);
    f.workoutName = context.library ? context.library->GetWorkoutName(workout.templateId) : "???";
    // A missing template counts as one with a sport: its "???" stands alone.
    f.templateHasSport = !libraryWorkout || libraryWorkout->sportId != 0;
    f.workoutHasSport = workout.sportId != 0;
    f.sportName = context.library ? context.library->GetSportName(workout.sportId) : "???";
    f.plannedDistance = workout.plannedDistance;
    f.plannedDuration = workout.plannedDuration;
    f.distance = workout.distance;
    f.duration = workout.duration;
    f.targetPulseLow = targets.targetPulseLow;
    f.targetPulseHigh = targets.targetPulseHigh;
    f.averagePulse = workout.averagePulse;
    f.units = context.units;
    f.distanceUnit = context.distanceUnit;
    return f;
}

}  // namespace kadenzo
