#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "Database.h"
#include "SearchCriteria.h"
#include "Texts.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace kadenzo {

class CKadenzoDoc;

// Runs the search again on the document as it is now: the workout list calls
// it whenever the document changes, so it never holds a position that died.
using WorkoutFinder = std::function<std::vector<CDatabase::ConstWorkoutPos>()>;
// Shows the found workouts (the workout list dialog).
using ShowSearchResults = std::function<void(const WorkoutFinder& find, QWidget* parent)>;

// The workout search (template 226): a property (1055), a comparison (1056)
// and a value control (1025) make a criterion; Add (1051) puts it into the
// criteria list (1042), Remove (1052) takes the selected one out, a
// double-click puts a criterion back into the controls. Search (1054) finds
// the workouts up to today that meet every criterion and shows them.
class CWorkoutSearchDialog : public QDialog {
    Q_OBJECT
public:
    CWorkoutSearchDialog(CKadenzoDoc& doc, ShowSearchResults showResults,
                         QWidget* parent = nullptr);

    const SearchCriteriaList& Criteria() const { return criteria_; }
    // The criterion the controls hold; nothing when no property or
    // comparison is chosen.
    std::optional<SearchCriterion> CriterionFromControls() const;

    // The buttons' and the list's actions.
    void OnPropertyChanged();
    void OnAdd();
    void OnRemove();
    void OnRowDoubleClicked(QTreeWidgetItem* item);
    void OnSearch();

private:
    void ShowCriterion(const SearchCriterion& criterion);
    void FillRow(QTreeWidgetItem* item, const SearchCriterion& criterion);
    void UpdateCurrentFromControls();
    void ClearControls();
    const SearchPropertyInfo* ChosenProperty() const;

    CKadenzoDoc& doc_;
    TextService texts_;
    ShowSearchResults showResults_;
    SearchCriteriaList criteria_;
    QComboBox* property_;
    QComboBox* operator_;
    QGridLayout* controls_;
    QLabel* valueLabel_ = nullptr;  // its buddy is the value field of the moment
    QWidget* value_ = nullptr;      // made for the chosen property
    QPushButton* add_;
    QTreeWidget* list_;
    QCheckBox* section_;
};

}  // namespace kadenzo
