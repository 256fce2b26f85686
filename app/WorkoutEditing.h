#pragma once

#include <QWidget>
#include <functional>

#include "Database.h"

namespace kadenzo {

// How the diary, the workout list and the other places open the workout
// editor and the body data dialog. The editor and the dialogs install the
// real ones on the main frame; tests replace them. Each returns true when the
// document changed.
struct WorkoutEditing {
    std::function<bool(CDatabase::ConstWorkoutPos position, QWidget* parent)> editWorkout;
    std::function<bool(int dayNumber, QWidget* parent)> editBodyData;
};

}  // namespace kadenzo
