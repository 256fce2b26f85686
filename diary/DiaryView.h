#pragma once

#include <vector>

#include <QString>
#include <QVariantList>

#include "Database.h"
#include "DiaryNavigation.h"
#include "DiaryPrint.h"
#include "DocumentObserver.h"
#include "FormSeries.h"
#include "KadenzoBaseView.h"
#include "SettingsObserver.h"

namespace kadenzo {

class CDayPanel;
class CKadenzoDoc;
class CWeekPanel;
struct DropTarget;
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
// opens the editor on the selected workout (on the day alone, its body
// data), Delete removes it, Insert plans a new workout on the selected day
// from a template the user picks; Shift+F10 and the Menu key open the
// context menu of the selection. Tab moves the focus between the days and
// the weeks, where the arrow keys move from week to week with the selection.
//
// A screen reader hears where the keyboard is once a key's work is done:
// the selected workout or day (or week), never a step in between, and the
// status of what cut, copy, paste and the library browser's planning did.
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
    // Moves the diary and the selection with it by n days: the selection
    // stays where it was on the screen, on that day's first workout, so that
    // what a screen reader hears after paging is what Enter and Delete act on.
    void PageBy(int days);
    // Commands 32775 and 32776 (Page Down and Page Up).
    void OnWeekForward() { PageBy(7); }
    void OnWeekBack() { PageBy(-7); }
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

    // The week panel of the selected day's row (null when it is not shown).
    CWeekPanel* SelectedWeek() const;

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
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void CreateRows();
    void LayOutRows();
    void AssignEvents();
    // Tells the panels what is selected, dropping a workout that has gone
    // and following one that moved to another day.
    void UpdateSelection();
    void Step(DiaryStep step);
    // The keys while a week panel has the focus; true when one was used.
    bool WeekKey(QKeyEvent* event);
    // The context menu of the selection, beside its box or day.
    void ShowSelectionMenu();
    // Tells a screen reader where the selection is, once the event loop is
    // back (so that a key's steps in between go unheard); forced: even when
    // it was told of the same object last.
    void AnnounceLater(bool forced = false);
    void AnnounceSelection();
    // The series the ramp marks come from, anew or from a changed day on,
    // and the marks of the weeks shown.
    void UpdateRampSeries(int fromDay, bool whole);
    void ShowRamps();
    // The selected workout's title as a screen reader says it.
    QString SpokenTitle(CDatabase::WorkoutHandle workout) const;
    void Status(std::uint32_t textId, const char* english, const QVariantList& arguments = {});
    // Says so when the target is a day an event crosses out.
    bool RefusedOn(const DropTarget& target);
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
    FormSeries rampSeries_;
    // What a screen reader was told of last: the panel, the workout (0: the
    // day) and its name.
    const CDayPanel* announcedPanel_ = nullptr;
    CDatabase::WorkoutHandle announcedWorkout_ = 0;
    QString announcedName_;
    bool announcePending_ = false;
};

}  // namespace kadenzo
