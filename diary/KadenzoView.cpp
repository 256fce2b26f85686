#include "KadenzoView.h"

#include <QPointer>
#include <QWheelEvent>
#include <algorithm>

#include "DayPanel.h"
#include "DiaryDates.h"
#include "DiaryLayout.h"
#include "DiaryQt.h"
#include "EventAssignment.h"
#include "KadenzoDoc.h"
#include "MainFrame.h"
#include "PrintRangeDialog.h"
#include "ResourceIds.h"
#include "WeekPanel.h"

namespace kadenzo {

CKadenzoView::CKadenzoView(CKadenzoDoc& document, QWidget* parent)
    : CKadenzoBaseView(document, parent), printJob_(document) {
    firstDay_ = MondayOnOrBefore(document.Context().Today());
    CreateRows();
    OnUpdate();
    printJob_.SetRange({firstDay_, firstDay_ + 27, DiaryPrintRange::kFollowDisplay, 0});
    Document().AddObserver(this);
}

CKadenzoView::~CKadenzoView() { Document().RemoveObserver(this); }

CDayPanel* CKadenzoView::DayPanel(int row, int day) const {
    if (row < 0 || row >= kRowCount || day < 0 || day > 6) return nullptr;
    return days_[static_cast<std::size_t>(row * 7 + day)];
}

CWeekPanel* CKadenzoView::WeekPanel(int row) const {
    if (row < 0 || row >= kRowCount) return nullptr;
    return weeks_[static_cast<std::size_t>(row)];
}

void CKadenzoView::CreateRows() {
    for (int i = 0; i < kRowCount; ++i) {
        auto* week = new CWeekPanel(Document(), this);
        weeks_.push_back(week);
        for (int j = 0; j < 7; ++j) {
            auto* day = new CDayPanel(Document(), this);
            day->SetDate(firstDay_ + 7 * i + j);
            day->SetWeekPanel(week);
            days_.push_back(day);
        }
        week->SetWeekStart(firstDay_ + 7 * i);
        week->RecomputeTotals();
    }
    LayOutRows();
}

void CKadenzoView::LayOutRows() {
    const std::vector<DiaryRowLayout> rows = LayOutDiaryRows(width(), height(), kRowCount);
    for (int i = 0; i < kRowCount; ++i) {
        const DiaryRowLayout& row = rows[static_cast<std::size_t>(i)];
        weeks_[static_cast<std::size_t>(i)]->setGeometry(ToQRect(row.week));
        for (int j = 0; j < 7; ++j)
            days_[static_cast<std::size_t>(i * 7 + j)]->setGeometry(
                ToQRect(row.days[static_cast<std::size_t>(j)]));
    }
}

void CKadenzoView::OnUpdate() {
    for (int i = 0; i < kRowCount; ++i) {
        CWeekPanel* week = weeks_[static_cast<std::size_t>(i)];
        week->SetWeekStart(firstDay_ + 7 * i);
        week->RecomputeTotals();
    }
    for (std::size_t k = 0; k < days_.size(); ++k) {
        CDayPanel* day = days_[k];
        day->SetDate(firstDay_ + static_cast<int>(k));
        day->Refresh();
        day->update();
    }
    AssignEvents();
}

void CKadenzoView::RefreshDays(int first, int last) {
    const int lastShown = firstDay_ + static_cast<int>(days_.size()) - 1;
    first = std::max(first, firstDay_);
    last = std::min(last, lastShown);
    for (int day = first; day <= last; ++day)
        days_[static_cast<std::size_t>(day - firstDay_)]->Refresh();
    for (int row = 0; row < kRowCount; ++row) {
        const int monday = firstDay_ + 7 * row;
        if (monday <= last && first <= monday + 6)
            weeks_[static_cast<std::size_t>(row)]->RecomputeTotals();
    }
}

void CKadenzoView::AssignEvents() {
    std::vector<const CEvent*> events;
    std::vector<EventSpan> spans;
    for (const auto& event : Document().Log().Events()) {
        events.push_back(event.get());
        spans.push_back({DayNumber(event->start.value), DayNumber(event->end.value)});
    }
    const std::vector<int> assigned =
        AssignEventsToDays(spans, firstDay_, static_cast<int>(days_.size()));
    for (std::size_t k = 0; k < days_.size(); ++k) {
        const int index = assigned[k];
        days_[k]->SetEvent(index < 0 ? nullptr : events[static_cast<std::size_t>(index)]);
    }
}

void CKadenzoView::MoveBy(int days) {
    firstDay_ += days;
    if (printJob_.Range().rangeMode == DiaryPrintRange::kFollowDisplay) {
        DiaryPrintRange range = printJob_.Range();
        range.firstDay = firstDay_;
        range.lastDay = firstDay_ + 27;
        printJob_.SetRange(range);
    }
    OnUpdate();
}

void CKadenzoView::OnUndo() { Document().Undo(); }

void CKadenzoView::OnRedo() { Document().Redo(); }

void CKadenzoView::OnPrintRange() {
    CPrintRangeDialog dialog(printJob_.Range(), this);
    if (dialog.exec() == QDialog::Accepted) printJob_.SetRange(dialog.Range());
}

void CKadenzoView::OnDocumentChanged(const DocumentChange& change) {
    // Names, colours and heart-rate targets may change on every day.
    if (change.Has(DocumentChange::kLibrary | DocumentChange::kProfile)) {
        OnUpdate();
        return;
    }
    if (change.Has(DocumentChange::kWorkouts | DocumentChange::kBodyData) && change.HasDays())
        RefreshDays(change.firstDay, change.lastDay);
    if (change.Has(DocumentChange::kEvents)) AssignEvents();
}

void CKadenzoView::OnDocumentReplacing() {
    for (CDayPanel* day : days_) {
        day->Forget();
        day->SetEvent(nullptr);
    }
}

void CKadenzoView::OnDocumentReplaced() { OnUpdate(); }

void CKadenzoView::resizeEvent(QResizeEvent* event) {
    CKadenzoBaseView::resizeEvent(event);
    LayOutRows();
}

void CKadenzoView::wheelEvent(QWheelEvent* event) {
    // Each wheel message moves one week, however far the wheel turned.
    const int delta = event->angleDelta().y();
    if (delta > 0)
        OnWeekBack();
    else if (delta < 0)
        OnWeekForward();
    event->accept();
}

void CKadenzoView::RegisterCommands(CMainFrame& frame) {
    RegisterPrintCommands(frame);
    QPointer<CKadenzoView> self(this);
    auto alive = [self] { return !self.isNull(); };
    auto command = [&](int id, void (CKadenzoView::*handler)()) {
        frame.SetCommand(id, {[self, handler] {
                                  if (self) (self.data()->*handler)();
                              },
                              alive,
                              {}});
    };
    command(ID_WEEK_FORWARD, &CKadenzoView::OnWeekForward);
    command(ID_WEEK_BACK, &CKadenzoView::OnWeekBack);
    command(ID_PRINT_RANGE, &CKadenzoView::OnPrintRange);
}

}  // namespace kadenzo
