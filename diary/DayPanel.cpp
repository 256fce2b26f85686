#include "DayPanel.h"

#include <QFontMetrics>
#include <QMouseEvent>

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

int CDayPanel::HeaderTextHeight() const {
    return QFontMetrics(font()).boundingRect(QStringLiteral("12. Nov")).height();
}

DayPanelGeometry CDayPanel::Geometry() const {
    return ComputeDayPanelGeometry(width(), height(), HeaderTextHeight());
}

void CDayPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const DayPanelGeometry g = Geometry();
        const QPoint p = event->position().toPoint();
        if (ToQRect(g.upArrow).contains(p) && ScrollUp()) return;
        if (ToQRect(g.downArrow).contains(p) && ScrollDown()) return;
    }
    QWidget::mousePressEvent(event);
}

}  // namespace kadenzo
