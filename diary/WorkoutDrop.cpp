#include "WorkoutDrop.h"

#include <iterator>
#include <memory>

#include "DateTime.h"
#include "KadenzoDoc.h"
#include "Library.h"

namespace kadenzo {
namespace {

bool Contains(const DiaryRect& r, DiaryPoint p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

int FilledSlots(const DaySlots& boxes) { return boxes[0] ? (boxes[1] ? 2 : 1) : 0; }

std::optional<CDatabase::ConstWorkoutPos> AsConst(std::optional<CDatabase::WorkoutPos> position) {
    if (!position) return std::nullopt;
    return CDatabase::ConstWorkoutPos(*position);
}

// True when moving the workout to the target's place would leave it where it
// is: onto its own day, right before or right after itself.
bool StaysInPlace(const CDatabase::ConstWorkoutPos& workout, const DropTarget& target) {
    if (DayNumber((*workout)->date) != target.day) return false;
    const edit::WorkoutPlace place = PlaceOfDrop(target);
    if (!place.neighbour) return false;
    const CDatabase::ConstWorkoutPos neighbour = *place.neighbour;
    if (neighbour == workout) return true;
    return place.before ? std::next(workout) == neighbour : std::next(neighbour) == workout;
}

}  // namespace

std::optional<int> DropGapAt(const DayPanelGeometry& geometry, DiaryPoint p, int filledSlots) {
    int passed = 0;
    for (int i = 0; i < 2; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (Contains(geometry.gapBoxes[index], p)) return passed;
        const bool filled = i < filledSlots;
        if (Contains(geometry.slotBoxes[index], p)) {
            if (filled) return std::nullopt;
            return passed;
        }
        if (filled) ++passed;
    }
    if (Contains(geometry.gapBoxes[2], p)) return passed;
    return std::nullopt;
}

edit::WorkoutPlace PlaceOfDrop(const DropTarget& target) {
    edit::WorkoutPlace place = edit::InDateOrder(NoonOfDayNumber(target.day));
    const int gap = target.gap.value_or(0);
    if (gap == 0) {
        place.neighbour = target.boxes[0];
        place.before = true;
    } else if (gap <= 2) {
        place.neighbour = target.boxes[static_cast<std::size_t>(gap - 1)];
    }
    return place;
}

DropEffect QueryWorkoutDrop(const CKadenzoDoc& doc, const std::optional<WorkoutDragData>& data,
                            const DropTarget& target, bool control) {
    if (target.blocked || !target.gap || !data) return DropEffect::kNone;
    if (*target.gap < 0 || *target.gap > FilledSlots(target.boxes)) return DropEffect::kNone;
    if (data->IsTemplate())
        return doc.Library().FindWorkout(data->templateId) ? DropEffect::kCopy : DropEffect::kNone;
    const std::optional<CDatabase::ConstWorkoutPos> source =
        doc.Log().FindWorkout(data->workoutHandle);
    if (!source) return DropEffect::kNone;
    if (control) return DropEffect::kCopy;
    return StaysInPlace(*source, target) ? DropEffect::kNone : DropEffect::kMove;
}

std::optional<CDatabase::ConstWorkoutPos> DropWorkout(CKadenzoDoc& doc,
                                                      const std::optional<WorkoutDragData>& data,
                                                      DropEffect effect, const DropTarget& target) {
    if (effect == DropEffect::kNone) return std::nullopt;
    const DropEffect allowed = QueryWorkoutDrop(doc, data, target, effect == DropEffect::kCopy);
    if (allowed == DropEffect::kNone) return std::nullopt;
    const edit::WorkoutPlace place = PlaceOfDrop(target);
    if (data->IsTemplate()) {
        const CLibWorkout& workoutTemplate = *doc.Library().FindWorkout(data->templateId);
        return AsConst(edit::AddWorkout(doc, std::make_unique<CWorkOut>(workoutTemplate), place));
    }
    const CDatabase::ConstWorkoutPos source = *doc.Log().FindWorkout(data->workoutHandle);
    if (allowed == DropEffect::kCopy) return AsConst(edit::CopyWorkout(doc, source, place));
    return AsConst(edit::MoveWorkout(doc, source, place));
}

}  // namespace kadenzo
