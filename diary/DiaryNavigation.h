#pragma once

#include "Database.h"

namespace kadenzo {

// What the diary has selected: a day, and perhaps one of its workouts, held
// by handle so that it survives changes of the log (a handle that no longer
// resolves counts as no workout).
struct DiarySelection {
    int day = 0;                           // day number
    CDatabase::WorkoutHandle workout = 0;  // 0: the day alone
    bool operator==(const DiarySelection&) const = default;
};

enum class DiaryStep { kLeft, kRight, kUp, kDown };

// Where an arrow key takes the selection. Left and right go to the day before
// or after, to its first workout. Up and down go through the day's workouts
// (from the day alone, down takes the first, up the last) and past its first
// or last one to the same weekday of the week above or below, to its last or
// first workout.
DiarySelection StepSelection(const CDatabase& log, const DiarySelection& from, DiaryStep step);

// Where Home takes the diary: today's week in the first row, as at start,
// however far the weeks were paged, and today selected with its first workout.
struct DiaryHome {
    int firstDay = 0;  // the Monday in the top left corner
    DiarySelection selection;
};
DiaryHome HomeOf(const CDatabase& log, int today);

// The workout to select once `removed` has gone: the one after it on its day,
// else the one before (or the other way round when earlier is preferred),
// else none (0). Worked out while it is still there.
CDatabase::WorkoutHandle NeighbourOf(const CDatabase& log, CDatabase::ConstWorkoutPos removed,
                                     bool preferEarlier = false);

// The day's first or last workout in list order, or EndWorkouts().
CDatabase::ConstWorkoutPos FirstWorkoutOfDay(const CDatabase& log, int day);
CDatabase::ConstWorkoutPos LastWorkoutOfDay(const CDatabase& log, int day);

}  // namespace kadenzo
