#pragma once

#include <vector>

#include "Database.h"
#include "DiaryNavigation.h"
#include "DiaryPrint.h"
#include "DocumentObserver.h"
#include "KadenzoBaseView.h"
#include "SettingsObserver.h"

namespace kadenzo {

class CDayPanel;
class CKadenzoDoc;
class CWeekPanel;
struct WorkoutEditing;

// The diary: four weeks from Monday to Sunday, each row seven day panels and a
// week panel with the week's totals. The view draws nothing itself; it places
// its panels, tells them their dates and refreshes the ones a change of the
// document touches. It moves a week at a time and prints the diary as a list
// of weeks.
//
// The view keeps the selection (a day, perhaps one of its workouts) and
// answers the keyboard: the arrow keys move the selection between workouts
// and days, paging the weeks at the edges; Page Up and Page Down move it a
// week; Home brings back today's week in the first row, as at start; Enter
// opens the editor on the selected workout, Delete removes it, Insert plans a
// new workout on the selected day from a template the user picks.
class CDiaryView : public CKadenzoBaseView, public DocumentObserver, public SettingsObserver {
    Q_OBJECT

public:
    static constexpr int kRowCount = 4;

    // Starts at the Monday of the current week (initial update).
    explicit CDiaryView(CKadenzoDoc& document, QWidget* parent = nullptr);
    ~CDiaryView() override;

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
    // Command 32788: the print range dialog.
    void OnPrintRange();

    const DiaryPrintRange& PrintRange() const { return printJob_.Range(); }
    void SetPrintRange(const DiaryPrintRange& range) { printJob_.SetRange(range); }
    CDiaryPrintJob& DiaryPrintJob() { return printJob_; }

    // Makes the frame's diary commands act on this view while it exists.
    void RegisterCommands(CMainFrame& frame);
    // The editor, body data dialog and template chooser to open (may be null
    // or hold empty functions: then those actions do nothing).
    void SetEditing(WorkoutEditing* editing) { editing_ = editing; }

    const DiarySelection& Selection() const { return selection_; }
    // Selects, paging the weeks until the day shows and scrolling its panel
    // to the workout.
    void Select(const DiarySelection& selection);
    // The panel showing that day, or null.
    CDayPanel* PanelOfDay(int day) const;

    // What the day panels and the keys ask for; each true when the document
    // changed.
    bool EditWorkout(CDatabase::WorkoutHandle workout);
    bool EditBodyData(int day);
    bool DeleteWorkout(CDatabase::WorkoutHandle workout);
    bool PlanWorkout(int day);

    // The workout clipboard (Ctrl+X, Ctrl+C, Ctrl+V, and the Edit menu): cut
    // or copy takes note of the selected workout; paste puts it on the
    // selected day, after its selected workout or else its last one, as a
    // drop there would: a cut workout moves, a copied one arrives with its
    // plan only, and a day crossed out by an event refuses. Each true when
    // it did something.
    bool CutSelected();
    bool CopySelected();
    bool PasteOnSelectedDay();
    // Moves the selected workout by days (Ctrl+Shift+arrows: a day or a
    // week), after the workouts of the day it arrives on.
    bool MoveSelectedBy(int days);
    // A new workout from the template on the selected day, as a drop there
    // would (the library browser's Enter).
    bool PlanTemplateOnSelectedDay(std::uint32_t templateId);

    void OnDocumentChanged(const DocumentChange& change) override;
    void OnDocumentReplacing() override;
    void OnDocumentReplaced() override;
    // The labels' figures and units follow the settings.
    void OnSettingsChanged(const SettingsChange& change) override;

protected:
    PrintJob& Job() override { return printJob_; }
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateRows();
    void LayOutRows();
    void AssignEvents();
    // Tells the panels what is selected, dropping a workout that has gone
    // and following one that moved to another day.
    void UpdateSelection();
    void Step(DiaryStep step);
    // Ctrl+X, C, V and Ctrl+Shift+arrows; true when the key was one of them.
    bool ClipboardKey(QKeyEvent* event);
    void RegisterClipboardCommands(CMainFrame& frame);

    int firstDay_ = 0;
    std::vector<CDayPanel*> days_;    // row by row, Monday first; children of the view
    std::vector<CWeekPanel*> weeks_;  // one per row
    CDiaryPrintJob printJob_;
    DiarySelection selection_;
    WorkoutEditing* editing_ = nullptr;
    // What cut or copy took (by handle, so a replaced log forgets it).
    CDatabase::WorkoutHandle clipped_ = 0;
    bool clippedByCut_ = false;
};

}  // namespace kadenzo
