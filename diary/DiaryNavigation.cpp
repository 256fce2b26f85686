#include "DiaryNavigation.h"

#include <iterator>

#include "DateTime.h"
#include "CalendarDays.h"

namespace kadenzo {
namespace {

bool OnDay(const CDatabase& log, CDatabase::ConstWorkoutPos position, int day) {
    return position != log.EndWorkouts() && DayNumber((*position)->date) == day;
}

DiarySelection DayWith(const CDatabase& log, int day, CDatabase::ConstWorkoutPos position) {
    return {day, log.HandleOf(position)};
}

}  // namespace

CDatabase::ConstWorkoutPos FirstWorkoutOfDay(const CDatabase& log, int day) {
    const CDatabase::ConstWorkoutPos first = log.FirstWorkoutFrom(static_cast<double>(day));
    return OnDay(log, first, day) ? first : log.EndWorkouts();
}

CDatabase::ConstWorkoutPos LastWorkoutOfDay(const CDatabase& log, int day) {
    const CDatabase::ConstWorkoutPos next = log.FirstWorkoutFrom(static_cast<double>(day + 1));
    if (next == log.BeginWorkouts()) return log.EndWorkouts();
    const CDatabase::ConstWorkoutPos last = std::prev(next);
    return OnDay(log, last, day) ? last : log.EndWorkouts();
}

DiarySelection StepSelection(const CDatabase& log, const DiarySelection& from, DiaryStep step) {
    const int day = from.day;
    switch (step) {
        case DiaryStep::kLeft:
            return DayWith(log, day - 1, FirstWorkoutOfDay(log, day - 1));
        case DiaryStep::kRight:
            return DayWith(log, day + 1, FirstWorkoutOfDay(log, day + 1));
        case DiaryStep::kUp:
        case DiaryStep::kDown:
            break;
    }
    const bool up = step == DiaryStep::kUp;
    const std::optional<CDatabase::ConstWorkoutPos> selected = log.FindWorkout(from.workout);
    if (selected && OnDay(log, *selected, day)) {
        if (up && *selected != log.BeginWorkouts() && OnDay(log, std::prev(*selected), day))
            return DayWith(log, day, std::prev(*selected));
        if (!up && OnDay(log, std::next(*selected), day))
            return DayWith(log, day, std::next(*selected));
    } else {
        const CDatabase::ConstWorkoutPos own =
            up ? LastWorkoutOfDay(log, day) : FirstWorkoutOfDay(log, day);
        if (own != log.EndWorkouts()) return DayWith(log, day, own);
    }
    const int next = up ? day - 7 : day + 7;
    return DayWith(log, next, up ? LastWorkoutOfDay(log, next) : FirstWorkoutOfDay(log, next));
}

DiaryHome HomeOf(const CDatabase& log, int today) {
    return {MondayOnOrBefore(today), DayWith(log, today, FirstWorkoutOfDay(log, today))};
}

CDatabase::WorkoutHandle NeighbourOf(const CDatabase& log, CDatabase::ConstWorkoutPos removed,
                                     bool preferEarlier) {
    if (removed == log.EndWorkouts()) return 0;
    const int day = DayNumber((*removed)->date);
    const CDatabase::ConstWorkoutPos after = std::next(removed);
    const CDatabase::ConstWorkoutPos before =
        removed == log.BeginWorkouts() ? log.EndWorkouts() : std::prev(removed);
    const CDatabase::ConstWorkoutPos first = preferEarlier ? before : after;
    const CDatabase::ConstWorkoutPos second = preferEarlier ? after : before;
    if (OnDay(log, first, day)) return log.HandleOf(first);
    if (OnDay(log, second, day)) return log.HandleOf(second);
    return 0;
}

}  // namespace kadenzo
