#include "KadenzoView.h"

#include <QPointer>
#include <QWheelEvent>

#include "AppContext.h"
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
    : CKadenzoBaseView(parent), document_(document) {
    firstDay_ = MondayOnOrBefore(TodayDayNumber());
    CreateRows();
    OnUpdate();
    printJob_.SetRange({firstDay_, firstDay_ + 27, DiaryPrintRange::kFollowDisplay, 0});
    document_.AddObserver(this);
}

CKadenzoView::~CKadenzoView() { document_.RemoveObserver(this); }

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
        auto* week = new CWeekPanel(this);
        weeks_.push_back(week);
        for (int j = 0; j < 7; ++j) {
            auto* day = new CDayPanel(this);
            day->SetDate(firstDay_ + 7 * i + j);
            day->SetDocument(&document_);
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
    CDatabase* log = App().log;
    for (std::size_t k = 0; k < days_.size(); ++k) {
        CDayPanel* day = days_[k];
        day->SetDate(firstDay_ + static_cast<int>(k));
        day->update();
        // The date index finds the day's first workout without walking the log.
        if (log) day->ShowFrom(log->FirstWorkoutFrom(static_cast<double>(day->Date())));
    }
    AssignEvents();
}

void CKadenzoView::AssignEvents() {
    std::vector<const CEvent*> events;
    std::vector<EventSpan> spans;
    if (const CDatabase* log = App().log) {
        for (const auto& event : log->Events()) {
            events.push_back(event.get());
            spans.push_back({DayNumber(event->start.value), DayNumber(event->end.value)});
        }
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

void CKadenzoView::OnUndo() { document_.Undo(); }

void CKadenzoView::OnRedo() { document_.Redo(); }

void CKadenzoView::OnPrintRange() {
    CPrintRangeDialog dialog(printJob_.Range(), this);
    if (dialog.exec() == QDialog::Accepted) printJob_.SetRange(dialog.Range());
}

void CKadenzoView::OnDocumentChanged(DocumentChange change) {
    if (change == DocumentChange::Contents) OnUpdate();
}

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
