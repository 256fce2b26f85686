// The mouse in a day panel: hover highlight, selection, the arrows, starting
// a drag, double click and the context menu.
#include <QContextMenuEvent>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <cstdlib>

#include "DayPanel.h"
#include "DiaryQt.h"
#include "KadenzoDoc.h"
#include "ResourceIds.h"
#include "Texts.h"
#include "WorkoutDragSource.h"

namespace kadenzo {

int CDayPanel::FilledSlotAt(const QPoint& p) const {
    const DayPanelGeometry g = Geometry();
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i] && ToQRect(g.slotBoxes[i]).contains(p)) return static_cast<int>(i);
    return -1;
}

bool CDayPanel::OnActiveArrow(const QPoint& p) const {
    const DayPanelGeometry g = Geometry();
    return (canScrollUp_ && ToQRect(g.upArrow).contains(p)) ||
           (canScrollDown_ && ToQRect(g.downArrow).contains(p));
}

void CDayPanel::HoverAt(const QPoint& p) {
    const bool inside = rect().contains(p);
    const DayPanelGeometry g = Geometry();
    for (int i = 0; i < 2; ++i) {
        const auto index = static_cast<std::size_t>(i);
        SetHot(i, inside && slots_[index] && ToQRect(g.slotBoxes[index]).contains(p));
    }
}

void CDayPanel::HoverAtCursor() { HoverAt(mapFromGlobal(QCursor::pos())); }

void CDayPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint p = event->position().toPoint();
    const DayPanelGeometry g = Geometry();
    pressScrolled_ = (ToQRect(g.upArrow).contains(p) && ScrollUp()) ||
                     (ToQRect(g.downArrow).contains(p) && ScrollDown());
    if (pressScrolled_) return;
    pressPoint_ = p;
    const int slot = FilledSlotAt(p);
    emit selectRequested(date_, slot < 0 ? 0 : document_.Log().HandleOf(*slots_[slot]));
}

void CDayPanel::mouseReleaseEvent(QMouseEvent* event) {
    pressPoint_.reset();
    QWidget::mouseReleaseEvent(event);
}

void CDayPanel::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) return;
    const QPoint p = event->position().toPoint();
    HoverAt(p);
    if (!pressPoint_ || !(event->buttons() & Qt::LeftButton)) return;
    if (std::abs(pressPoint_->x() - p.x()) < kDragDistance &&
        std::abs(pressPoint_->y() - p.y()) < kDragDistance)
        return;
    // The box that was pressed is dragged, wherever the pointer is by now.
    const int slot = FilledSlotAt(*pressPoint_);
    pressPoint_.reset();
    if (slot >= 0) StartDrag(slot);
}

void CDayPanel::leaveEvent(QEvent* event) {
    HoverAt({-1, -1});
    pressPoint_.reset();
    QWidget::leaveEvent(event);
}

void CDayPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    // A quick second click on an arrow scrolls once more, and never opens the
    // body data, even when the first click scrolled as far as the day goes.
    if (OnActiveArrow(p) || pressScrolled_) {
        mousePressEvent(event);
        return;
    }
    const int slot = FilledSlotAt(p);
    if (slot >= 0) {
        contextItem_ = document_.Log().HandleOf(*slots_[static_cast<std::size_t>(slot)]);
        emit editRequested(contextItem_);
    } else if (ToQRect(Geometry().header).contains(p)) {
        emit bodyDataRequested(date_);
    }
}

void CDayPanel::contextMenuEvent(QContextMenuEvent* event) {
    // The keyboard's menu (the Menu key) is the diary view's, for what it selected.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    }
    const int slot = FilledSlotAt(event->pos());
    const CDatabase::WorkoutHandle workout =
        slot < 0 ? 0 : document_.Log().HandleOf(*slots_[static_cast<std::size_t>(slot)]);
    emit selectRequested(date_, workout);
    // The menu opens to the left of the pointer.
    ShowContextMenu(workout, event->globalPos(), true);
}

void CDayPanel::ShowContextMenu(CDatabase::WorkoutHandle workout, const QPoint& at,
                                bool byMouse) {
    contextItem_ = SlotOf(workout) >= 0 ? workout : 0;
    const TextService texts(document_.Context());
    QMenu menu(this);
    if (contextItem_ != 0) {
        menu.addAction(texts.Text(IDS_MENU_EDIT_WORKOUT))->setData(ID_WORKOUT_EDIT);
        menu.addAction(texts.Text(IDS_MENU_DELETE_WORKOUT))->setData(ID_WORKOUT_DELETE);
        menu.addSeparator();
    }
    menu.addAction(texts.TextOr(IDS_MENU_BODY_DATA, QStringLiteral("&Body Data...")))
        ->setData(ID_DAY_BODY_DATA);
    const QPoint place = byMouse ? at - QPoint(menu.sizeHint().width(), 0) : at;
    // From the keyboard the first entry is current, as the arrow keys expect.
    if (!byMouse) menu.setActiveAction(menu.actions().constFirst());
    if (QAction* chosen = menu.exec(place)) RunContextCommand(chosen->data().toInt());
}

void CDayPanel::RunContextCommand(int command) {
    if (command == ID_WORKOUT_EDIT && contextItem_ != 0)
        emit editRequested(contextItem_);
    else if (command == ID_WORKOUT_DELETE && contextItem_ != 0)
        emit deleteRequested(contextItem_);
    else if (command == ID_DAY_BODY_DATA)
        emit bodyDataRequested(date_);
}

void CDayPanel::StartDrag(int slot) {
    const CDatabase& log = document_.Log();
    const CDatabase::ConstWorkoutPos position = *slots_[static_cast<std::size_t>(slot)];
    const CDatabase::WorkoutHandle workout = log.HandleOf(position);
    SetHot(slot, false);
    dragging_ = true;
    // A move is made whole by the drop, which takes the workout from here; the
    // refresh that causes keeps this day's first workout, so how the drag
    // ended asks nothing more of the source.
    if (dragStarter_)
        dragStarter_(*this, workout);
    else
        BeginWorkoutDrag(this, workout, LabelText(position), BoxPicture(slot));
    dragging_ = false;
    HoverAtCursor();
}

}  // namespace kadenzo
