#pragma once

#include <array>
#include <optional>

#include "Database.h"
#include "DiaryLayout.h"
#include "DocumentEdits.h"
#include "WorkoutDragData.h"

namespace kadenzo {

class CKadenzoDoc;

// What a drop onto a day does with the dragged workout.
enum class DropEffect { kNone, kCopy, kMove };

// The workouts in a day panel's two boxes (the second only with the first).
using DaySlots = std::array<std::optional<CDatabase::ConstWorkoutPos>, 2>;

// A day panel as a drop sees it: its day, whether an event blocks it, the
// workouts in its two boxes and the gap under the pointer.
struct DropTarget {
    int day = 0;  // day number
    bool blocked = false;
    DaySlots boxes;
    // 0 above the first box, 1 between the boxes, 2 below the second; only
    // as many as there are filled boxes (see DropGapAt). Nothing: no drop here.
    std::optional<int> gap;
};

// The gap a drop at p would insert into, walking the boxes from the top: a
// gap counts the filled boxes above it, an empty box counts as the gap it
// leaves; a filled box takes no drop and neither does the header.
std::optional<int> DropGapAt(const DayPanelGeometry& geometry, DiaryPoint p, int filledSlots);

// The place in the log for a drop into the target's gap: before the first
// box's workout, after the workout above the gap, or in date order on an
// empty day. The date is the day's noon.
edit::WorkoutPlace PlaceOfDrop(const DropTarget& target);

// The effect a drop would have: none on a blocked day, outside a gap, for
// data that are not ours or name nothing that is still there, and for a move
// that leaves the workout where it is (right before or after itself); a
// template is always copied; otherwise copy with control held, else move.
DropEffect QueryWorkoutDrop(const CKadenzoDoc& doc, const std::optional<WorkoutDragData>& data,
                            const DropTarget& target, bool control);

// Carries out a drop as one change of the document: a template becomes a new
// workout of the day, a dragged workout is copied (without what was
// performed) or moved. The effect is checked again as QueryWorkoutDrop sees
// it (control held when `effect` is copy). Returns the new workout, or
// nothing when the drop was refused and nothing changed.
std::optional<CDatabase::ConstWorkoutPos> DropWorkout(CKadenzoDoc& doc,
                                                      const std::optional<WorkoutDragData>& data,
                                                      DropEffect effect, const DropTarget& target);

}  // namespace kadenzo
