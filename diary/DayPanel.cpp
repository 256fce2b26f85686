#include "DayPanel.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>

#include "DiaryAccessible.h"
#include "CalendarDays.h"
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
    // Another day starts from its first workout.
    if (dayNumber != date_) {
        firstShown_ = 0;
        firstIndex_ = 0;
        beforeReplacement_.clear();
    }
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
    ShowFrom(KeptFirst());
}

std::vector<CDatabase::ConstWorkoutPos> CDayPanel::DayWorkouts() const {
    std::vector<CDatabase::ConstWorkoutPos> day;
    // The date index finds the day's first workout without walking the log.
    for (auto p = document_.Log().FirstWorkoutFrom(static_cast<double>(date_)); SameDay(p); ++p)
        day.push_back(p);
    return day;
}

CDatabase::ConstWorkoutPos CDayPanel::KeptFirst() {
    const CDatabase& log = document_.Log();
    if (const auto kept = log.FindWorkout(firstShown_); kept && SameDay(*kept)) return *kept;
    const std::vector<CDatabase::ConstWorkoutPos> day = DayWorkouts();
    if (day.empty()) return log.EndWorkouts();
    const int count = static_cast<int>(day.size());
    int first = std::min(firstIndex_, count - 1);
    const std::vector<CWorkOut> before = std::move(beforeReplacement_);
    beforeReplacement_.clear();
    if (firstIndex_ < static_cast<int>(before.size())) {
        const CWorkOut& kept = before[static_cast<std::size_t>(firstIndex_)];
        auto wasThere = [&before](const CWorkOut& workout) {
            return std::any_of(before.begin(), before.end(),
                               [&workout](const CWorkOut& w) { return w.IsEqual(workout); });
        };
        // Equal copies may share the day: the one nearest the old place.
        int found = -1;
        for (int i = 0; i < count; ++i) {
            if ((**day[static_cast<std::size_t>(i)]).IsEqual(kept) &&
                (found < 0 || std::abs(i - firstIndex_) < std::abs(found - firstIndex_)))
                found = i;
        }
        if (found > 0 && !wasThere(**day[static_cast<std::size_t>(found - 1)])) --found;
        if (found >= 0) first = found;
    }
    return day[static_cast<std::size_t>(first)];
}

void CDayPanel::Forget() {
    // Handles of this log find nothing in the next one; the workouts' copies do.
    beforeReplacement_.clear();
    if (firstIndex_ > 0)
        for (const CDatabase::ConstWorkoutPos& p : DayWorkouts()) beforeReplacement_.push_back(**p);
    firstShown_ = 0;
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
    firstShown_ = 0;
    firstIndex_ = 0;
    if (SameDay(position)) {
        slots_[0] = position;
        firstShown_ = document_.Log().HandleOf(position);
        for (auto p = position; p != document_.Log().BeginWorkouts() && SameDay(std::prev(p)); --p)
            ++firstIndex_;
        canScrollUp_ = position != document_.Log().BeginWorkouts() && SameDay(std::prev(position));
        auto next = std::next(position);
        if (SameDay(next)) {
            slots_[1] = next;
            canScrollDown_ = SameDay(std::next(next));
        }
    }
    update();
    AnnounceDayShown(*this);
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
    // The view tells a screen reader once the selection has settled.
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
