#include "PlanMatching.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "Library.h"
#include "SportTable.h"

namespace kadenzo {
namespace {

bool TypedInByHand(const CWorkOut& workout) { return workout.duration > 0; }

bool SamePlan(const CWorkOut& a, const CWorkOut& b) {
    return std::tie(a.templateId, a.plannedDuration, a.plannedDistance) ==
           std::tie(b.templateId, b.plannedDuration, b.plannedDistance);
}

struct Candidate {
    CDatabase::ConstWorkoutPos position;
    double closeness = 1;
    std::size_t order = 0;  // in the log
};

PlanRow& Propose(PlanRow& row, std::vector<Candidate> candidates, const CDatabase& log) {
    row.candidates.clear();
    row.workout = 0;
    if (candidates.empty()) {
        row.outcome = ActivityOutcome::kNew;
        return row;
    }
    // Stable: of equally close candidates the earlier in the log comes first.
    std::stable_sort(
        candidates.begin(), candidates.end(),
        [](const Candidate& a, const Candidate& b) { return a.closeness < b.closeness; });
    const Candidate& best = candidates.front();
    std::vector<Candidate> rivals = {best};
    for (const Candidate& c : candidates) {
        if (c.closeness - best.closeness >= kCloseEnough) break;
        const bool otherPlan = std::none_of(rivals.begin(), rivals.end(), [&](const Candidate& r) {
            return SamePlan(**r.position, **c.position);
        });
        if (otherPlan) rivals.push_back(c);
    }
    if (rivals.size() == 1) {
        row.outcome = ActivityOutcome::kFill;
        row.workout = log.HandleOf(best.position);
        return row;
    }
    row.outcome = ActivityOutcome::kChoose;
    std::sort(rivals.begin(), rivals.end(),
              [](const Candidate& a, const Candidate& b) { return a.order < b.order; });
    for (const Candidate& r : rivals) row.candidates.push_back(log.HandleOf(r.position));
    return row;
}

}  // namespace

bool IsCandidate(const CWorkOut& workout, const DeviceActivity& activity, const SportTable& sports,
                 const CLibrary& library) {
    if (!activity.kind.empty() && workout.sportId != 0 && workout.sportId != activity.sportId &&
        workout.sportId != sports.SportOf(SportPartOf(activity.kind), library))
        return false;
    if (!TypedInByHand(workout)) return true;
    return workout.recordingPath.empty() &&
           std::abs(workout.duration - activity.duration) <= kCloseEnough * activity.duration;
}

double Closeness(const CWorkOut& workout, const DeviceActivity& activity) {
    const double planned = TypedInByHand(workout) ? workout.duration : workout.plannedDuration;
    if (planned > 0 && activity.duration > 0)
        return std::abs(planned - activity.duration) / activity.duration;
    if (workout.plannedDistance > 0 && activity.distance > 0)
        return std::abs(workout.plannedDistance - activity.distance) / activity.distance;
    return 1;
}

void ProposeOutcomes(std::vector<PlanRow>& rows, const CDatabase& log, const SportTable& sports,
                     const CLibrary& library) {
    std::map<int, std::vector<PlanRow*>> days;
    for (PlanRow& row : rows) days[row.activity.Day()].push_back(&row);
    for (auto& [day, dayRows] : days) {
        std::stable_sort(dayRows.begin(), dayRows.end(), [](const PlanRow* a, const PlanRow* b) {
            return a->activity.start < b->activity.start;
        });
        std::vector<CDatabase::ConstWorkoutPos> free = log.WorkoutsBetween(day, day + 1.0);
        for (PlanRow* row : dayRows) {
            std::vector<Candidate> candidates;
            for (std::size_t i = 0; i < free.size(); ++i) {
                if (IsCandidate(**free[i], row->activity, sports, library))
                    candidates.push_back({free[i], Closeness(**free[i], row->activity), i});
            }
            if (Propose(*row, std::move(candidates), log).outcome != ActivityOutcome::kFill)
                continue;
            std::erase_if(free,
                          [&](auto position) { return log.HandleOf(position) == row->workout; });
        }
    }
}

}  // namespace kadenzo
