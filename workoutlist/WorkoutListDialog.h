#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "Database.h"
#include "DocumentObserver.h"
#include "Texts.h"
#include "WorkoutListRows.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace kadenzo {

class CKadenzoDoc;
struct WorkoutEditing;

// The found workouts (template 227): one row per workout in the list 1042,
// sorted by a click on a column's header (again: the other way round), a
// double-click opens the workout in the editor. The rows come from a search
// that runs again whenever the document changes, so the list never holds a
// workout that is gone; a workout edited from the list stays in it even when
// the search no longer finds it, and the selection stays on its workout.
class CWorkoutListDialog : public QDialog, public DocumentObserver {
    Q_OBJECT
public:
    using FindRows = std::function<std::vector<CDatabase::ConstWorkoutPos>()>;

    // The sort state outlives the dialog; the editing hooks are looked up when
    // a workout is opened.
    CWorkoutListDialog(CKadenzoDoc& doc, FindRows findRows, WorkoutListSort& sort,
                       WorkoutEditing& editing, QWidget* parent = nullptr);
    ~CWorkoutListDialog() override;

    QTreeWidget* List() const { return list_; }
    // The workouts in the order shown.
    const std::vector<CDatabase::ConstWorkoutPos>& Rows() const { return rows_; }

    // What a click on the header of a column does.
    void SortBy(int column);
    // Opens the workout of the first selected row in the editor.
    void OpenSelected();

    void OnDocumentChanged(const DocumentChange& change) override;
    void OnDocumentReplacing() override;
    void OnDocumentReplaced() override;

private:
    void Refresh();
    void Fill();
    void SelectCurrent();
    void ShowSortMark();
    void SpreadColumns();

    CKadenzoDoc& doc_;
    TextService texts_;
    FindRows findRows_;
    WorkoutListSort& sort_;
    WorkoutEditing& editing_;
    std::vector<CDatabase::ConstWorkoutPos> rows_;
    // The selected workout and the workouts edited from this list, by handle:
    // every change of the document renews the rows.
    CDatabase::WorkoutHandle current_ = 0;
    std::vector<CDatabase::WorkoutHandle> edited_;
    bool filling_ = false;  // rows coming and going move no selection
    QTreeWidget* list_;
    QLabel* count_;
};

}  // namespace kadenzo
