#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "Database.h"
#include "DiaryLayout.h"
#include "Event.h"

namespace kadenzo {

class CKadenzoDoc;
class CWeekPanel;

// One day of the diary: a header with the date and a body with up to two
// workout boxes of the day, scrolled through the day's workouts by two arrows.
// The panel keeps positions in the training log's workout list: the view
// refreshes it after every change of its day and has it forget them before
// the log is replaced (load, undo, redo).
class CDayPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr std::uint32_t kDefaultBackground = CEvent::kBuiltInColour;

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
    // The day's workouts from the first one on, and its body data mark.
    void Refresh();
    // Lets go of every position into the log (it is about to be replaced).
    void Forget();
    // One workout earlier or later; false when the day has none there.
    bool ScrollUp();
    bool ScrollDown();
    bool CanScrollUp() const { return canScrollUp_; }
    bool CanScrollDown() const { return canScrollDown_; }
    // The workout in slot 0 or 1, or nothing.
    std::optional<CDatabase::ConstWorkoutPos> Slot(int index) const;

    // Highlights for the mouse and drop interaction.
    void SetHot(int slot, bool hot);
    bool IsHot(int slot) const;
    void SetGapMark(int gap, bool marked);
    bool IsGapMarked(int gap) const;

    std::uint32_t BackgroundColour() const { return background_; }
    bool IsBlocked() const { return blocked_; }
    bool HasBodyData() const { return bodyData_; }

    // The boxes of the panel at its current size.
    DayPanelGeometry Geometry() const;
    // Height of a date text in the panel's font, on which the boxes depend.
    int HeaderTextHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool SameDay(CDatabase::ConstWorkoutPos position) const;
    void UpdateBodyData();

    CKadenzoDoc& document_;
    int date_ = 0;
    CWeekPanel* weekPanel_ = nullptr;
    std::optional<CEvent> event_;
    std::uint32_t background_ = kDefaultBackground;
    bool blocked_ = false;
    bool bodyData_ = false;
    std::array<std::optional<CDatabase::ConstWorkoutPos>, 2> slots_;
    bool canScrollUp_ = false;
    bool canScrollDown_ = false;
    std::array<bool, 2> hot_{};
    std::array<bool, 3> gapMarks_{};
};

}  // namespace kadenzo
