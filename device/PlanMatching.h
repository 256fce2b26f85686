#pragma once

#include <vector>

#include "Database.h"
#include "ImportPlan.h"

namespace kadenzo {

class CLibrary;
class SportTable;

// Two workouts whose closeness to an activity differs by less than this fit
// it equally well; where their plans differ the user chooses.
inline constexpr double kCloseEnough = 0.1;

// Whether the workout may take the activity (of its day): one without a
// performed duration, or one typed in by hand (a performed duration within a
// tenth of the activity's, and no recording). Its sport is the activity's,
// that of the activity's kind without the sub-sport, or none (0); any sport
// when the activity has no kind. Its template must be in the library.
bool IsCandidate(const CWorkOut& workout, const DeviceActivity& activity, const SportTable& sports,
                 const CLibrary& library);

// How far the workout's plan lies from what was done, smaller is closer:
// |planned - done| / done of the durations where it has a planned duration,
// else of the distances where both have one, else 1. A workout typed in by
// hand is measured by the duration typed: it is the record of this activity.
double Closeness(const CWorkOut& workout, const DeviceActivity& activity);

// Proposes the outcome of every row, day by day: the activities of one day in
// the order of their start, each from the workouts still free. The closest
// candidate is filled; one that fits as well (within kCloseEnough) with
// another plan makes the row one to choose, with those candidates; of equal
// plans the earlier in the log is taken. Without a candidate: a new workout.
void ProposeOutcomes(std::vector<PlanRow>& rows, const CDatabase& log, const SportTable& sports,
                     const CLibrary& library);

}  // namespace kadenzo
