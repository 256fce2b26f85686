// Drops onto a day panel: the gap marks while a drag passes over it, and the
// drop itself, which makes the whole change through the document's edits.
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <iterator>

#include "DayPanel.h"
#include "KadenzoDoc.h"
#include "WorkoutDrag.h"

namespace kadenzo {
namespace {

bool ControlHeld(const QDropEvent* event) {
    return event->modifiers().testFlag(Qt::ControlModifier);
}

Qt::DropAction ActionOf(DropEffect effect) {
    return effect == DropEffect::kCopy ? Qt::CopyAction : Qt::MoveAction;
}

}  // namespace

void CDayPanel::MarkGap(std::optional<int> gap) {
    for (int i = 0; i < 3; ++i) SetGapMark(i, gap == i);
}

void CDayPanel::DragOver(QDragMoveEvent* event) {
    const DropTarget target = DropTargetAt(event->position().toPoint());
    const DropEffect effect = QueryWorkoutDrop(document_, ReadDragMimeData(event->mimeData()),
                                               target, ControlHeld(event));
    if (effect == DropEffect::kNone) {
        MarkGap(std::nullopt);
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
        return;
    }
    MarkGap(target.gap);
    event->setDropAction(ActionOf(effect));
    event->accept();
}

void CDayPanel::dragEnterEvent(QDragEnterEvent* event) {
    DragOver(event);
    // Only a blocked day or foreign data turn the drag away for good; any
    // other place may still take it once the pointer reaches a gap.
    if (!blocked_ && ReadDragMimeData(event->mimeData())) event->accept();
}

void CDayPanel::dragMoveEvent(QDragMoveEvent* event) { DragOver(event); }

void CDayPanel::dragLeaveEvent(QDragLeaveEvent* event) {
    MarkGap(std::nullopt);
    event->accept();
}

void CDayPanel::dropEvent(QDropEvent* event) {
    MarkGap(std::nullopt);
    const DropTarget target = DropTargetAt(event->position().toPoint());
    const std::optional<WorkoutDragData> data = ReadDragMimeData(event->mimeData());
    const DropEffect effect = QueryWorkoutDrop(document_, data, target, ControlHeld(event));
    const std::optional<CDatabase::ConstWorkoutPos> arrived =
        DropWorkout(document_, data, effect, target);
    if (!arrived) {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
        return;
    }
    ShowAfterDrop(*arrived, target.gap.value_or(0));
    emit selectRequested(date_, document_.Log().HandleOf(*arrived));
    event->setDropAction(ActionOf(effect));
    event->accept();
}

void CDayPanel::ShowAfterDrop(CDatabase::ConstWorkoutPos arrived, int gap) {
    // Dropped at the top it shows first; lower down, below the workout above it.
    if (gap > 0 && arrived != document_.Log().BeginWorkouts() && SameDay(std::prev(arrived)))
        ShowFrom(std::prev(arrived));
    else
        ShowFrom(arrived);
}

}  // namespace kadenzo
