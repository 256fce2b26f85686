// The search dialog: criteria are added, changed and removed in the list
// without losing what the controls hold, and a search hands over a finder
// that sees the document as it is when it runs. Adding criteria by keys and
// searching are driven end to end by the long-runs journey.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "ControlId.h"
#include "DocumentEdits.h"
#include "ResourceIds.h"
#include "SearchDialog.h"
#include "TestSupport.h"

using namespace kadenzo;

namespace {

// Entries of the property list (its order).
constexpr int kCommentEntry = 6;
constexpr int kDurationEntry = 7;

}  // namespace

class SearchDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        app_ = std::make_unique<AppFixture>(StarterLibrary());
        const double today = NoonOfDayNumber(app_->context.Today());
        for (double date : {today - 2, today - 1, today + 1}) {
            auto workout = std::make_unique<CWorkOut>();
            workout->date = date;
            workout->templateId = 1;
            workout->sportId = 1;
            workout->duration = 50;
            edit::AddWorkout(app_->Doc(), std::move(workout), edit::InDateOrder(date));
        }
        shown_ = 0;
        dialog_ = std::make_unique<CWorkoutSearchDialog>(
            app_->Doc(), [this](const WorkoutFinder& find, QWidget*) {
                ++shown_;
                find_ = find;
            });
        property_ = Child<QComboBox>(IDC_SEARCH_PROPERTY);
        operator_ = Child<QComboBox>(IDC_SEARCH_OPERATOR);
        list_ = Child<QTreeWidget>(IDC_SEARCH_CRITERIA);
    }
    void cleanup() {
        dialog_.reset();
        app_.reset();
    }

    void criteriaAreAddedChangedAndRemoved() {
        Choose(kDurationEntry);
        Child<QLineEdit>(IDC_SEARCH_VALUE)->setText(QStringLiteral("0:45"));
        Click(IDC_SEARCH_ADD);
        Choose(kCommentEntry);
        Child<QLineEdit>(IDC_SEARCH_VALUE)->setText(QStringLiteral("tired"));
        Click(IDC_SEARCH_ADD);
        QCOMPARE(list_->topLevelItem(0)->text(2), QStringLiteral("0:45"));
        QCOMPARE(dialog_->Criteria().Criteria()[0].number, 45.0);
        QCOMPARE(dialog_->Criteria().Current(), std::optional<std::size_t>(1));

        // A double-click first stores the controls in the current row, then
        // shows the clicked one.
        Child<QLineEdit>(IDC_SEARCH_VALUE)->setText(QStringLiteral("fresh"));
        dialog_->OnRowDoubleClicked(list_->topLevelItem(0));
        QCOMPARE(list_->topLevelItem(1)->text(2), QStringLiteral("fresh"));
        QCOMPARE(property_->currentIndex(), kDurationEntry);
        QCOMPARE(Child<QLineEdit>(IDC_SEARCH_VALUE)->text(), QStringLiteral("0:45"));

        list_->setCurrentItem(list_->topLevelItem(0));
        Click(IDC_SEARCH_REMOVE);
        QCOMPARE(list_->topLevelItemCount(), 1);
        QCOMPARE(dialog_->Criteria().Criteria().at(0).display, std::string("fresh"));
        QCOMPARE(property_->currentIndex(), -1);
        QVERIFY(!dialog_->findChild<QWidget*>(ControlName(IDC_SEARCH_VALUE)));
        QVERIFY(operator_->isHidden());
    }

    // With an empty list the controls' criterion is searched; the finder
    // runs on the document as it is then (only workouts up to today).
    void searchingHandsOverAFinder() {
        Click(IDC_SEARCH_SEARCH);  // nothing chosen: no search
        QCOMPARE(shown_, 0);
        Choose(kDurationEntry);
        Child<QLineEdit>(IDC_SEARCH_VALUE)->setText(QStringLiteral("50"));
        operator_->setCurrentIndex(2);  // equal
        Click(IDC_SEARCH_SEARCH);
        QCOMPARE(shown_, 1);
        QCOMPARE(find_().size(), std::size_t{2});
        CWorkOut longer(**app_->Doc().Log().BeginWorkouts(), false);
        longer.duration = 51;
        edit::ReplaceWorkout(app_->Doc(), app_->Doc().Log().BeginWorkouts(), longer);
        QCOMPARE(find_().size(), std::size_t{1});
    }

private:
    template <class T>
    T* Child(int id) const {
        return dialog_->findChild<T*>(ControlName(id));
    }
    void Choose(int entry) {
        property_->setCurrentIndex(entry);
        dialog_->OnPropertyChanged();
    }
    void Click(int id) { Child<QPushButton>(id)->click(); }

    std::unique_ptr<AppFixture> app_;
    std::unique_ptr<CWorkoutSearchDialog> dialog_;
    QComboBox* property_ = nullptr;
    QComboBox* operator_ = nullptr;
    QTreeWidget* list_ = nullptr;
    int shown_ = 0;
    WorkoutFinder find_;
};

QTEST_MAIN(SearchDialogTest)
#include "SearchDialogTest.moc"
