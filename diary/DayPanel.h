#pragma once

#include <QPoint>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "Database.h"
#include "DiaryLayout.h"
#include "DiaryNavigation.h"
#include "Event.h"
#include "WorkOut.h"
#include "WorkoutBoxPainter.h"
#include "WorkoutDrop.h"

class QPixmap;

namespace kadenzo {

class CKadenzoDoc;
class CWeekPanel;

// One day of the diary: a header with the date and a body with up to two
// workout boxes of the day, scrolled through the day's workouts by two arrows.
// The panel keeps positions in the training log's workout list: the view
// refreshes it after every change of its day and has it forget them before
// the log is replaced (load, undo, redo). Anything held longer (the
// selection, a drag, the workout a menu is about) is a workout handle.
//
// The scroll position is the first workout shown, held by handle together
// with its place among the day's workouts: a refresh shows from that workout
// while it is still of the day, else from the one now at its place (the next
// one, or the day's last). Across a replacement of the log, whose handles
// find nothing, the panel looks for an equal workout instead, and shows a
// workout that comes back right above it (an undone removal) first.
//
// The mouse: hovering highlights a box, a press selects, dragging a box 4
// pixels starts a drag of its workout, a double click asks for the editor (on
// a box) or the body data (on the header), the context menu edits or deletes
// the workout or opens the body data.
// Drops of workouts and templates land in the gap under the pointer. What
// needs the program around the diary is asked of the view through signals.
class CDayPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr std::uint32_t kDefaultBackground = CEvent::kBuiltInColour;
    // A press moved less than this far in both directions starts no drag.
    static constexpr int kDragDistance = 4;

    // Starts a drag of a workout and returns how it ended; tests replace it,
    // since the real one runs the platform's modal drag loop.
    using DragStarter =
        std::function<Qt::DropAction(CDayPanel& source, CDatabase::WorkoutHandle workout)>;

    explicit CDayPanel(CKadenzoDoc& document, QWidget* parent = nullptr);

    // The day and whether it has body data; the slots are filled by ShowFrom.
    void SetDate(int dayNumber);
    int Date() const { return date_; }
    CKadenzoDoc& Document() const { return document_; }
    void SetWeekPanel(CWeekPanel* weekPanel) { weekPanel_ = weekPanel; }
    CWeekPanel* WeekPanel() const { return weekPanel_; }
    // The event covering the day, or null; repaints when it changes.
    void SetEvent(const CEvent* event);
    const std::optional<CEvent>& Event() const { return event_; }

    // Fills the slots from position on: slot 0 holds it when its workout is of
    // this day, slot 1 the next one when that is too. position comes from the
    // document's training log (EndWorkouts() for none).
    void ShowFrom(CDatabase::ConstWorkoutPos position);
    // Scrolls, if needed, so that the workout shows in a box (when it is of
    // this day).
    void ShowWorkout(CDatabase::WorkoutHandle workout);
    // The day's workouts from the one shown first (see above), and its body
    // data mark.
    void Refresh();
    // Lets go of every position into the log (it is about to be replaced),
    // keeping copies of the day's workouts to find the first shown one again.
    void Forget();
    // One workout earlier or later; false when the day has none there.
    bool ScrollUp();
    bool ScrollDown();
    bool CanScrollUp() const { return canScrollUp_; }
    bool CanScrollDown() const { return canScrollDown_; }
    // The workout in slot 0 or 1, or nothing.
    std::optional<CDatabase::ConstWorkoutPos> Slot(int index) const;
    const DaySlots& Slots() const { return slots_; }
    // The box showing that workout, or -1.
    int SlotOf(CDatabase::WorkoutHandle workout) const;

    // Highlights for the mouse and drop interaction.
    void SetHot(int slot, bool hot);
    bool IsHot(int slot) const;
    void SetGapMark(int gap, bool marked);
    bool IsGapMarked(int gap) const;
    // What the diary has selected; the panel marks its day and workout.
    void SetSelection(const DiarySelection& selection);
    const DiarySelection& Selection() const { return selection_; }

    std::uint32_t BackgroundColour() const { return background_; }
    bool IsBlocked() const { return blocked_; }
    bool HasBodyData() const { return bodyData_; }

    // The boxes of the panel at its current size.
    DayPanelGeometry Geometry() const;
    // Height of a date text in the panel's font, on which the boxes depend.
    int HeaderTextHeight() const;

    // The panel as a drop at p (client coordinates) would find it.
    DropTarget DropTargetAt(const QPoint& p) const;
    // Highlights the boxes under p, as a mouse move there does.
    void HoverAt(const QPoint& p);
    // The same at the mouse cursor's current place.
    void HoverAtCursor();
    bool IsDragging() const { return dragging_; }
    void SetDragStarter(DragStarter starter) { dragStarter_ = std::move(starter); }
    // What a filled slot's box shows and where, exactly as painted (a screen
    // reader reads the same); nothing for an empty slot.
    std::optional<WorkoutBoxLayout> BoxLayout(int slot) const;
    // The header's text as painted: the body-data mark and the date, shortened
    // to the room right of the arrows.
    QString HeaderText() const;
    // The room the header's text has.
    QRect HeaderTextBox() const;

    // The workout's label as plain text, and the picture of its box, for a drag.
    QString LabelText(CDatabase::ConstWorkoutPos workout) const;
    QPixmap BoxPicture(int slot);

    // The day's context menu at a point of the screen: edit and delete the
    // workout when the panel shows it (0: the day alone), and the day's body
    // data. The mouse's opens to the left of the pointer; the keyboard's
    // opens on its first entry.
    void ShowContextMenu(CDatabase::WorkoutHandle workout, const QPoint& at, bool byMouse);
    // Runs a context menu command (ID_WORKOUT_EDIT, ID_WORKOUT_DELETE,
    // ID_DAY_BODY_DATA) on the workout or day the last menu was about.
    void RunContextCommand(int command);
    CDatabase::WorkoutHandle ContextItem() const { return contextItem_; }

signals:
    // The user pointed at the day or one of its workouts (0: the day alone).
    void selectRequested(int day, CDatabase::WorkoutHandle workout);
    void editRequested(CDatabase::WorkoutHandle workout);
    void deleteRequested(CDatabase::WorkoutHandle workout);
    void bodyDataRequested(int day);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool SameDay(CDatabase::ConstWorkoutPos position) const;
    // The day's workouts in list order.
    std::vector<CDatabase::ConstWorkoutPos> DayWorkouts() const;
    // Where a refresh shows from (see the class comment).
    CDatabase::ConstWorkoutPos KeptFirst();
    void UpdateBodyData();
    // The filled box containing p, or -1.
    int FilledSlotAt(const QPoint& p) const;
    bool OnActiveArrow(const QPoint& p) const;
    void StartDrag(int slot);
    // The drop operation of enter and move: effect, gap marks, answer.
    void DragOver(QDragMoveEvent* event);
    void MarkGap(std::optional<int> gap);
    void ShowAfterDrop(CDatabase::ConstWorkoutPos arrived, int gap);

    CKadenzoDoc& document_;
    int date_ = 0;
    CWeekPanel* weekPanel_ = nullptr;
    std::optional<CEvent> event_;
    std::uint32_t background_ = kDefaultBackground;
    bool blocked_ = false;
    bool bodyData_ = false;
    DaySlots slots_;
    CDatabase::WorkoutHandle firstShown_ = 0;  // 0: none, or the log was replaced
    int firstIndex_ = 0;                       // its place among the day's workouts
    std::vector<CWorkOut> beforeReplacement_;  // the day's workouts, see Forget
    bool canScrollUp_ = false;
    bool canScrollDown_ = false;
    std::array<bool, 2> hot_{};
    std::array<bool, 3> gapMarks_{};
    DiarySelection selection_;

    // Mouse state: the press a drag may start from, and the drag running.
    std::optional<QPoint> pressPoint_;
    bool pressScrolled_ = false;  // the last press hit an arrow and scrolled
    bool dragging_ = false;
    CDatabase::WorkoutHandle contextItem_ = 0;
    DragStarter dragStarter_;
};

}  // namespace kadenzo
