#include "ImportPlan.h"

#include <algorithm>

#include "DateTime.h"

namespace kadenzo {

std::vector<CDatabase::WorkoutHandle> WorkoutsOfDay(const CDatabase& log, int day) {
    std::vector<CDatabase::WorkoutHandle> handles;
    for (CDatabase::ConstWorkoutPos position : log.WorkoutsBetween(day, day + 1.0))
        handles.push_back(log.HandleOf(position));
    return handles;
}

bool ImportPlan::Choose(const CDatabase& log, std::size_t row, ActivityOutcome outcome,
                        CDatabase::WorkoutHandle workout) {
    if (row >= rows.size()) return false;
    PlanRow& chosen = rows[row];
    if (outcome == ActivityOutcome::kFill) {
        const std::vector<CDatabase::WorkoutHandle> day = WorkoutsOfDay(log, chosen.activity.Day());
        if (workout == 0 || std::find(day.begin(), day.end(), workout) == day.end()) return false;
        for (PlanRow& other : rows) {
            if (&other == &chosen || other.outcome != ActivityOutcome::kFill ||
                other.workout != workout)
                continue;
            other.outcome = ActivityOutcome::kChoose;
            other.workout = 0;
        }
    } else {
        workout = 0;
    }
    chosen.outcome = outcome;
    chosen.workout = workout;
    return true;
}

std::size_t ImportPlan::ImportedCount() const {
    return static_cast<std::size_t>(std::count_if(rows.begin(), rows.end(), [](const PlanRow& r) {
        return r.outcome == ActivityOutcome::kFill || r.outcome == ActivityOutcome::kNew;
    }));
}

}  // namespace kadenzo
