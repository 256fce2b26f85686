#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "Database.h"

namespace kadenzo {

// How the diary, the workout list and the other places open the workout
// editor and the body data dialog. The editor and the dialogs install the
// real ones on the main frame; tests replace them. The two editors return
// true when the document changed.
struct WorkoutEditing {
    std::function<bool(CDatabase::ConstWorkoutPos position, QWidget* parent)> editWorkout;
    std::function<bool(int dayNumber, QWidget* parent)> editBodyData;
    // The template chooser, opening on `current` (kNoId: none): the id of the
    // workout template the user picked, or nothing when it was cancelled. It
    // changes nothing itself.
    std::function<std::optional<std::uint32_t>(std::uint32_t current, QWidget* parent)>
        chooseTemplate;
    // Plans a workout from a template on the diary's selected day, as a drop
    // there would (the library browser's Enter). The diary sets it; without
    // a diary it is empty or answers false (nothing changed).
    std::function<bool(std::uint32_t templateId)> planTemplate;
    // Shows the week of a day in the diary's first row, the day selected
    // (after an import, the first week it changed). The diary sets it;
    // without a diary it is empty or does nothing.
    std::function<void(int dayNumber)> showDay;
};

}  // namespace kadenzo
