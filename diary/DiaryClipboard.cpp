// The diary's workout clipboard and the keys that move a workout, for those
// who plan without the mouse: each puts a workout where a drop would, under
// the same rules (diary/WorkoutDrop), and is one step for undo.
#include <QKeyEvent>
#include <QPointer>
#include <iterator>

#include "CoreText.h"
#include "DateTime.h"
#include "DayPanel.h"
#include "EventAssignment.h"
#include "KadenzoDoc.h"
#include "DiaryView.h"
#include "MainFrame.h"
#include "ResourceIds.h"
#include "SpokenDiary.h"
#include "WorkoutDrop.h"
#include "WorkoutEditing.h"

namespace kadenzo {
namespace {

// Whether the event the diary shows on the day crosses it out; the day need
// not be in view.
bool DayBlocked(const CDatabase& log, int day) {
    std::vector<EventSpan> spans;
    for (const auto& event : log.Events())
        spans.push_back({DayNumber(event->start.value), DayNumber(event->end.value)});
    const int index = AssignEventsToDays(spans, day, 1).front();
    return index >= 0 && (*std::next(log.Events().begin(), index))->blocksDay != 0;
}

// The day as a drop right after `after` (one of its workouts) would find it,
// or after its last workout.
DropTarget PlaceOnDay(const CDatabase& log, int day, CDatabase::WorkoutHandle after) {
    DropTarget target;
    target.day = day;
    target.blocked = DayBlocked(log, day);
    std::optional<CDatabase::ConstWorkoutPos> anchor = log.FindWorkout(after);
    if (!anchor || DayNumber((**anchor)->date) != day) {
        const CDatabase::ConstWorkoutPos last = LastWorkoutOfDay(log, day);
        anchor = last == log.EndWorkouts() ? std::nullopt : std::optional(last);
    }
    target.boxes[0] = anchor;
    target.gap = anchor ? 1 : 0;
    return target;
}

}  // namespace

// Cut and copy change nothing on the screen: the status line (and a screen
// reader with it) says what they took, and why a paste or move was refused.

bool CDiaryView::CutSelected() {
    if (!Document().Log().FindWorkout(selection_.workout)) return false;
    clipped_ = selection_.workout;
    clippedByCut_ = true;
    Status(IDS_STATUS_CUT, "%s cut: paste it on another day with Ctrl+V", {SpokenTitle(clipped_)});
    return true;
}

bool CDiaryView::CopySelected() {
    if (!Document().Log().FindWorkout(selection_.workout)) return false;
    clipped_ = selection_.workout;
    clippedByCut_ = false;
    Status(IDS_STATUS_COPIED, "%s copied: paste its plan on another day with Ctrl+V",
           {SpokenTitle(clipped_)});
    return true;
}

bool CDiaryView::RefusedOn(const DropTarget& target) {
    if (!target.blocked) return false;
    Status(IDS_STATUS_DAY_BLOCKED, "%s: an event rules out training that day",
           {FromBytes(SpokenDay(target.day, Document().Context().Texts()))});
    return true;
}

bool CDiaryView::PasteOnSelectedDay() {
    const DropEffect effect = clippedByCut_ ? DropEffect::kMove : DropEffect::kCopy;
    const DropTarget target = PlaceOnDay(Document().Log(), selection_.day, selection_.workout);
    if (!Document().Log().FindWorkout(clipped_)) {
        Status(IDS_STATUS_NOTHING_TO_PASTE, "Nothing to paste: cut or copy a workout first");
        return false;
    }
    if (RefusedOn(target)) return false;
    const std::optional<CDatabase::ConstWorkoutPos> arrived =
        DropWorkout(Document(), WorkoutDragData{clipped_, 0}, effect, target);
    if (!arrived) return false;
    // A moved workout is gone from where it was cut; a copy can be pasted again.
    if (clippedByCut_) clipped_ = 0;
    Select({target.day, Document().Log().HandleOf(*arrived)});
    return true;
}

bool CDiaryView::MoveSelectedBy(int days) {
    const CDatabase& log = Document().Log();
    const std::optional<CDatabase::ConstWorkoutPos> workout = log.FindWorkout(selection_.workout);
    if (!workout || days == 0) return false;
    const DropTarget target = PlaceOnDay(log, DayNumber((**workout)->date) + days, 0);
    if (RefusedOn(target)) return false;
    const std::optional<CDatabase::ConstWorkoutPos> arrived =
        DropWorkout(Document(), WorkoutDragData{selection_.workout, 0}, DropEffect::kMove, target);
    if (!arrived) return false;
    Select({target.day, Document().Log().HandleOf(*arrived)});
    return true;
}

bool CDiaryView::PlanTemplateOnSelectedDay(std::uint32_t templateId) {
    const DropTarget target = PlaceOnDay(Document().Log(), selection_.day, selection_.workout);
    if (RefusedOn(target)) return false;
    const std::optional<CDatabase::ConstWorkoutPos> arrived =
        DropWorkout(Document(), WorkoutDragData{0, templateId}, DropEffect::kCopy, target);
    if (!arrived) return false;
    const CDatabase::WorkoutHandle planned = Document().Log().HandleOf(*arrived);
    Select({target.day, planned});
    // Planned from the library browser, where the focus stays.
    Status(IDS_STATUS_PLANNED, "%s planned on %s",
           {SpokenTitle(planned), FromBytes(SpokenDay(target.day, Document().Context().Texts()))});
    return true;
}

bool CDiaryView::ClipboardKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    if (modifiers == Qt::ControlModifier) {
        switch (event->key()) {
            case Qt::Key_X:
                CutSelected();
                break;
            case Qt::Key_C:
                CopySelected();
                break;
            case Qt::Key_V:
                PasteOnSelectedDay();
                break;
            default:
                return false;
        }
    } else if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
        switch (event->key()) {
            case Qt::Key_Left:
                MoveSelectedBy(-1);
                break;
            case Qt::Key_Right:
                MoveSelectedBy(1);
                break;
            case Qt::Key_Up:
                MoveSelectedBy(-7);
                break;
            case Qt::Key_Down:
                MoveSelectedBy(7);
                break;
            default:
                return false;
        }
    } else {
        return false;
    }
    event->accept();
    return true;
}

void CDiaryView::RegisterClipboardCommands(CMainFrame& frame) {
    QPointer<CDiaryView> self(this);
    auto selected = [self] {
        return self && self->Document().Log().FindWorkout(self->selection_.workout).has_value();
    };
    frame.SetCommand(ID_CUT_WORKOUT, {[self] {
                                          if (self) self->CutSelected();
                                      },
                                      selected,
                                      {}});
    frame.SetCommand(ID_COPY_WORKOUT, {[self] {
                                           if (self) self->CopySelected();
                                       },
                                       selected,
                                       {}});
    frame.SetCommand(
        ID_PASTE_WORKOUT,
        {[self] {
             if (self) self->PasteOnSelectedDay();
         },
         [self] { return self && self->Document().Log().FindWorkout(self->clipped_).has_value(); },
         {}});
    frame.Editing().planTemplate = [self](std::uint32_t templateId) {
        return self && self->PlanTemplateOnSelectedDay(templateId);
    };
}

}  // namespace kadenzo
