#include "WorkoutListRows.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_set>

#include "DateTime.h"
#include "Formats.h"
#include "Library.h"
#include "WorkOut.h"

namespace kadenzo {
namespace {

std::string DistanceText(double kilometres, const UnitSettings& units, const StringTable& texts) {
    return FormatFixed(ToDisplay(kilometres, kUnitDistance, units), 1) +
           UnitLabel(kUnitDistance, units, texts);
}

// A number as a sort key: what is not a number sorts first, so the order
// stays strict.
double Key(double value) { return std::isnan(value) ? -HUGE_VAL : value; }

// True when a's key sorts before b's in the column; names are the template
// names by id.
bool KeyLess(const CWorkOut& a, const CWorkOut& b, int column,
             const std::map<std::uint32_t, std::string>& names) {
    switch (column) {
        case 0:
            return Key(a.date) < Key(b.date);
        case 1:
            return names.at(a.templateId) < names.at(b.templateId);
        case 2:
            return a.sportId < b.sportId;
        case 3:
            return Key(a.distance) < Key(b.distance);
        case 4:
            return Key(a.duration) < Key(b.duration);
        case 5:
            return Key(a.partDistance) < Key(b.partDistance);
        case 6:
            return Key(a.partDuration) < Key(b.partDuration);
        default:
            return false;
    }
}

}  // namespace

std::array<std::string, kWorkoutListColumns> WorkoutRowTexts(const CWorkOut& workout,
                                                             const CLibrary& library,
                                                             const UnitSettings& units,
                                                             const StringTable& texts) {
    std::array<std::string, kWorkoutListColumns> row;
    if (const std::optional<DateParts> date = PartsFromDateTime(workout.date))
        row[0] = FormatDate(*date);
    row[1] = library.GetWorkoutName(workout.templateId);
    if (workout.sportId != 0) row[2] = library.GetSportName(workout.sportId);
    const CLibSport* sport = library.FindSport(workout.sportId);
    const bool measured = !sport || sport->hasDistance != 0;
    row[3] = measured ? DistanceText(workout.distance, units, texts) : "---";
    row[4] = FormatDuration(workout.duration, true);
    if (measured && workout.partDistance != 0)
        row[5] = DistanceText(workout.partDistance, units, texts);
    if (workout.partDuration != 0) row[6] = FormatDuration(workout.partDuration, true);
    return row;
}

void SortWorkoutRows(std::vector<CDatabase::ConstWorkoutPos>& rows, const WorkoutListSort& sort,
                     const CLibrary& library) {
    if (sort.Value() == 0) return;
    const int column = sort.Column();
    const bool ascending = sort.Ascending();
    // Names looked up once, not in every comparison.
    std::map<std::uint32_t, std::string> names;
    if (column == 1)
        for (CDatabase::ConstWorkoutPos row : rows)
            names.try_emplace((*row)->templateId, library.GetWorkoutName((*row)->templateId));
    std::stable_sort(
        rows.begin(), rows.end(), [&](CDatabase::ConstWorkoutPos a, CDatabase::ConstWorkoutPos b) {
            return ascending ? KeyLess(**a, **b, column, names) : KeyLess(**b, **a, column, names);
        });
}

std::vector<CDatabase::ConstWorkoutPos> KeepEditedRows(
    std::vector<CDatabase::ConstWorkoutPos> found, const CDatabase& log,
    const std::vector<CDatabase::WorkoutHandle>& edited) {
    if (edited.empty()) return found;
    std::unordered_set<const CWorkOut*> kept;
    for (CDatabase::ConstWorkoutPos row : found) kept.insert(row->get());
    const std::size_t foundCount = kept.size();
    for (CDatabase::WorkoutHandle handle : edited)
        if (const std::optional<CDatabase::ConstWorkoutPos> position = log.FindWorkout(handle))
            kept.insert((*position)->get());
    if (kept.size() == foundCount) return found;
    std::vector<CDatabase::ConstWorkoutPos> rows;
    rows.reserve(kept.size());
    for (auto it = log.BeginWorkouts(); it != log.EndWorkouts(); ++it)
        if (kept.count(it->get())) rows.push_back(it);
    return rows;
}

}  // namespace kadenzo
