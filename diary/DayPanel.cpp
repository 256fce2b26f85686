#include "DayPanel.h"

#include <QFontMetrics>

#include "DiaryDates.h"
#include "DiaryQt.h"
#include "KadenzoDoc.h"
#include "Library.h"

namespace kadenzo {
namespace {

// The built-in event kinds are stored as -6 ... -1, i.e. 0xFFFFFFFA and up as
// unsigned values; everything from 0x0FFFFFF0 up never names a library kind.
constexpr std::uint32_t kFirstNonLibraryKind = 0x0FFFFFF0;

CalendarDateTime NoonDateTime(int dayNumber) {
    CalendarDateTime d;
    d.value = NoonOfDayNumber(dayNumber);
    return d;
}

}  // namespace

CDayPanel::CDayPanel(CKadenzoDoc& document, QWidget* parent)
    : QWidget(parent), document_(document) {
    setMouseTracking(true);
    setAcceptDrops(true);
}

void CDayPanel::SetDate(int dayNumber) {
    date_ = dayNumber;
    UpdateBodyData();
}

void CDayPanel::UpdateBodyData() {
    const bool bodyData = document_.Log().FindBodyInfo(NoonDateTime(date_)) != nullptr;
    if (bodyData != bodyData_) update();
    bodyData_ = bodyData;
}

void CDayPanel::Refresh() {
    UpdateBodyData();
    // The date index finds the day's first workout without walking the log.
    ShowFrom(document_.Log().FirstWorkoutFrom(static_cast<double>(date_)));
}

void CDayPanel::Forget() {
    slots_ = {};
    canScrollUp_ = canScrollDown_ = false;
    update();
}

void CDayPanel::SetEvent(const CEvent* event) {
    const bool changed = event ? (!event_ || event_->IsDifferent(*event)) : event_.has_value();
    if (event)
        event_ = *event;
    else
        event_.reset();
    background_ = kDefaultBackground;
    blocked_ = false;
    if (event_) {
        blocked_ = event_->blocksDay != 0;
        const auto kind = static_cast<std::uint32_t>(event_->kind);
        if (kind < kFirstNonLibraryKind) {
            if (const CLibEvent* libraryKind = document_.Library().FindEvent(kind))
                background_ = libraryKind->colour;
        }
    }
    if (changed) update();
}

bool CDayPanel::SameDay(CDatabase::ConstWorkoutPos position) const {
    return position != document_.Log().EndWorkouts() && DayNumber((*position)->date) == date_;
}

void CDayPanel::ShowFrom(CDatabase::ConstWorkoutPos position) {
    slots_ = {};
    canScrollUp_ = canScrollDown_ = false;
    if (SameDay(position)) {
        slots_[0] = position;
        canScrollUp_ = position != document_.Log().BeginWorkouts() && SameDay(std::prev(position));
        auto next = std::next(position);
        if (SameDay(next)) {
            slots_[1] = next;
            canScrollDown_ = SameDay(std::next(next));
        }
    }
    update();
}

void CDayPanel::ShowFromHandle(CDatabase::WorkoutHandle workout) {
    const std::optional<CDatabase::ConstWorkoutPos> position = document_.Log().FindWorkout(workout);
    if (position && SameDay(*position))
        ShowFrom(*position);
    else
        Refresh();
}

void CDayPanel::ShowWorkout(CDatabase::WorkoutHandle workout) {
    const CDatabase& log = document_.Log();
    const std::optional<CDatabase::ConstWorkoutPos> position = log.FindWorkout(workout);
    if (!position || !SameDay(*position) || SlotOf(workout) >= 0) return;
    // The day's last workout shows in the second box, below the one before it.
    const bool last = !SameDay(std::next(*position));
    if (last && *position != log.BeginWorkouts() && SameDay(std::prev(*position)))
        ShowFrom(std::prev(*position));
    else
        ShowFrom(*position);
}

int CDayPanel::SlotOf(CDatabase::WorkoutHandle workout) const {
    if (workout == 0) return -1;
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i] && document_.Log().HandleOf(*slots_[i]) == workout)
            return static_cast<int>(i);
    return -1;
}

void CDayPanel::SetSelection(const DiarySelection& selection) {
    if (selection == selection_) return;
    const bool touched = selection.day == date_ || selection_.day == date_;
    selection_ = selection;
    if (touched) update();
}

bool CDayPanel::ScrollUp() {
    if (!canScrollUp_ || !slots_[0]) return false;
    ShowFrom(std::prev(*slots_[0]));
    return true;
}

bool CDayPanel::ScrollDown() {
    if (!canScrollDown_ || !slots_[0]) return false;
    ShowFrom(std::next(*slots_[0]));
    return true;
}

std::optional<CDatabase::ConstWorkoutPos> CDayPanel::Slot(int index) const {
    if (index < 0 || index > 1) return std::nullopt;
    return slots_[static_cast<std::size_t>(index)];
}

void CDayPanel::SetHot(int slot, bool hot) {
    if (slot < 0 || slot > 1 || hot_[static_cast<std::size_t>(slot)] == hot) return;
    hot_[static_cast<std::size_t>(slot)] = hot;
    update();
}

bool CDayPanel::IsHot(int slot) const {
    return slot >= 0 && slot <= 1 && hot_[static_cast<std::size_t>(slot)];
}

void CDayPanel::SetGapMark(int gap, bool marked) {
    if (gap < 0 || gap > 2 || gapMarks_[static_cast<std::size_t>(gap)] == marked) return;
    gapMarks_[static_cast<std::size_t>(gap)] = marked;
    update();
}

bool CDayPanel::IsGapMarked(int gap) const {
    return gap >= 0 && gap <= 2 && gapMarks_[static_cast<std::size_t>(gap)];
}

DropTarget CDayPanel::DropTargetAt(const QPoint& p) const {
    DropTarget target;
    target.day = date_;
    target.blocked = blocked_;
    target.boxes = slots_;
    const int filled = slots_[0] ? (slots_[1] ? 2 : 1) : 0;
    target.gap = DropGapAt(Geometry(), {p.x(), p.y()}, filled);
    return target;
}

int CDayPanel::HeaderTextHeight() const {
    return QFontMetrics(font()).boundingRect(QStringLiteral("12. Nov")).height();
}

DayPanelGeometry CDayPanel::Geometry() const {
    return ComputeDayPanelGeometry(width(), height(), HeaderTextHeight());
}

}  // namespace kadenzo
