#pragma once

#include <vector>

#include "DiaryPrint.h"
#include "DocumentObserver.h"
#include "KadenzoBaseView.h"

namespace kadenzo {

class CDayPanel;
class CKadenzoDoc;
class CWeekPanel;

// The diary: four weeks from Monday to Sunday, each row seven day panels and a
// week panel with the week's totals. The view draws nothing itself; it places
// its panels, tells them their dates and refreshes the ones a change of the
// document touches. It moves a week at a time and prints the diary as a list
// of weeks.
class CKadenzoView : public CKadenzoBaseView, public DocumentObserver {
    Q_OBJECT

public:
    static constexpr int kRowCount = 4;

    // Starts at the Monday of the current week (initial update).
    explicit CKadenzoView(CKadenzoDoc& document, QWidget* parent = nullptr);
    ~CKadenzoView() override;

    int FirstDay() const { return firstDay_; }
    CDayPanel* DayPanel(int row, int day) const;
    CWeekPanel* WeekPanel(int row) const;

    // Refresh: dates, workouts, totals and events of every panel.
    void OnUpdate();
    // Refreshes the days first ... last (and their weeks' totals) that are shown.
    void RefreshDays(int first, int last);
    // Moves the diary by n days (navigation moves by 7).
    void MoveBy(int days);
    // Commands 32775 and 32776.
    void OnWeekForward() { MoveBy(7); }
    void OnWeekBack() { MoveBy(-7); }
    // Commands 32828 and 32829.
    void OnUndo();
    void OnRedo();
    // Command 32788: the print range dialog.
    void OnPrintRange();

    const DiaryPrintRange& PrintRange() const { return printJob_.Range(); }
    void SetPrintRange(const DiaryPrintRange& range) { printJob_.SetRange(range); }
    CDiaryPrintJob& DiaryPrintJob() { return printJob_; }

    // Makes the frame's diary commands act on this view while it exists.
    void RegisterCommands(CMainFrame& frame);

    void OnDocumentChanged(const DocumentChange& change) override;
    void OnDocumentReplacing() override;
    void OnDocumentReplaced() override;

protected:
    PrintJob& Job() override { return printJob_; }
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void CreateRows();
    void LayOutRows();
    void AssignEvents();

    int firstDay_ = 0;
    std::vector<CDayPanel*> days_;    // row by row, Monday first; children of the view
    std::vector<CWeekPanel*> weeks_;  // one per row
    CDiaryPrintJob printJob_;
};

}  // namespace kadenzo
