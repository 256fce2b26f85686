// The list of found workouts: sorting, and opening a workout in the editor
// through the frame's editing hook (faked here), after which the list shows
// the document as it is.
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

#include "AddLibraryItem.h"
#include "ControlId.h"
#include "DateTime.h"
#include "DocumentEdits.h"
#include "TestSupport.h"
#include "Texts.h"
#include "WorkoutEditing.h"
#include "WorkoutListDialog.h"

using namespace kadenzo;

namespace {

std::unique_ptr<CLibrary> RunLibrary() {
    auto library = std::make_unique<CLibrary>();
    test::AddItem(library->sports, 1, "Run").hasDistance = 1;
    test::AddItem(library->workoutTemplates, 7, "Easy");
    library->RecomputeIdCounters();
    return library;
}

}  // namespace

class WorkoutListDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        app_ = std::make_unique<AppFixture>(RunLibrary());
        for (int i = 0; i < 3; ++i) {
            auto workout = std::make_unique<CWorkOut>();
            workout->date = 45300.5 + i;
            workout->templateId = 7;
            workout->sportId = 1;
            workout->distance = 10 - i;
            edit::AddWorkout(app_->Doc(), std::move(workout), edit::InDateOrder(45300.5 + i));
        }
        // The workouts up to a distance, found afresh on each call.
        longest_ = 100;
        find_ = [this] {
            std::vector<CDatabase::ConstWorkoutPos> rows;
            const CDatabase& log = app_->Doc().Log();
            for (auto it = log.BeginWorkouts(); it != log.EndWorkouts(); ++it)
                if ((*it)->distance <= longest_) rows.push_back(it);
            return rows;
        };
    }
    void cleanup() { app_.reset(); }

    void sortingLastsBeyondTheDialog() {
        WorkoutListSort sort;
        WorkoutEditing editing;
        {
            CWorkoutListDialog dialog(app_->Doc(), find_, sort, editing);
            QCOMPARE(Column(dialog, 3), (QStringList{"10.0km", "9.0km", "8.0km"}));
            QVERIFY(!dialog.List()->header()->isSortIndicatorShown());
            dialog.List()->header()->sectionClicked(3);
            QCOMPARE(Column(dialog, 3), (QStringList{"8.0km", "9.0km", "10.0km"}));
            dialog.SortBy(0);
            dialog.SortBy(0);
            QCOMPARE(dialog.List()->header()->sortIndicatorOrder(), Qt::DescendingOrder);
        }
        CWorkoutListDialog again(app_->Doc(), find_, sort, editing);
        QCOMPARE(Column(again, 0).front(), QStringLiteral("11.01.2024"));
        QCOMPARE(again.List()->header()->sortIndicatorSection(), 0);
        again.SortBy(0);
        QCOMPARE(Column(again, 0).front(), QStringLiteral("09.01.2024"));
    }

    void anEditShowsInTheListAndUndoToo() {
        WorkoutListSort sort;
        WorkoutEditing editing;
        CKadenzoDoc& doc = app_->Doc();
        int opened = 0;
        editing.editWorkout = [&](CDatabase::ConstWorkoutPos position, QWidget*) {
            ++opened;
            CWorkOut changed(**position, true);
            changed.distance = 21.1;
            return edit::ReplaceWorkout(doc, position, changed);
        };
        CWorkoutListDialog dialog(doc, find_, sort, editing);
        dialog.OpenSelected();  // nothing selected: nothing opens
        QCOMPARE(opened, 0);
        dialog.List()->setCurrentItem(dialog.List()->topLevelItem(1));
        dialog.OpenSelected();
        QCOMPARE(opened, 1);
        QCOMPARE(Column(dialog, 3), (QStringList{"10.0km", "21.1km", "8.0km"}));

        // A removal elsewhere runs the search again: no row shows a workout that is gone.
        edit::RemoveWorkout(doc, doc.Log().BeginWorkouts());
        QCOMPARE(Column(dialog, 3), (QStringList{"21.1km", "8.0km"}));
        doc.Undo();
        doc.Undo();
        QCOMPARE(Column(dialog, 3), (QStringList{"10.0km", "9.0km", "8.0km"}));
        QCOMPARE(dialog.Rows().size(), std::size_t{3});
    }

    // The edited workout moves in the sorted list and no longer meets the
    // search, yet it stays the row the user is on: Enter opens it again.
    void anEditedWorkoutKeepsItsRowAndTheSelection() {
        WorkoutListSort sort;
        WorkoutEditing editing;
        CKadenzoDoc& doc = app_->Doc();
        std::vector<double> opened;
        double newDistance = 21.1;
        editing.editWorkout = [&](CDatabase::ConstWorkoutPos position, QWidget*) {
            opened.push_back((*position)->date);
            CWorkOut changed(**position, true);
            changed.distance = newDistance;
            return edit::ReplaceWorkout(doc, position, changed);
        };
        longest_ = 9.5;
        CWorkoutListDialog dialog(doc, find_, sort, editing);
        auto* count = dialog.findChild<QLabel*>();
        QCOMPARE(count->text(), QStringLiteral("2 workouts"));
        dialog.SortBy(3);
        QCOMPARE(Column(dialog, 3), (QStringList{"8.0km", "9.0km"}));
        dialog.List()->setCurrentItem(dialog.List()->topLevelItem(0));
        QTest::keyClick(dialog.List(), Qt::Key_Return);
        QCOMPARE(Column(dialog, 3), (QStringList{"9.0km", "21.1km"}));
        QCOMPARE(dialog.List()->currentItem()->text(0), QStringLiteral("11.01.2024"));
        QCOMPARE(dialog.List()->selectedItems().size(), qsizetype{1});
        newDistance = 30;
        QTest::keyClick(dialog.List(), Qt::Key_Return);
        QCOMPARE(opened, (std::vector<double>{45302.5, 45302.5}));
        QCOMPARE(dialog.List()->currentItem()->text(3), QStringLiteral("30.0km"));

        // Undo replaces the log, as a file does: what the search finds is shown.
        doc.Undo();
        QCOMPARE(Column(dialog, 3), (QStringList{"9.0km"}));
        QCOMPARE(count->text(), QStringLiteral("1 workout"));

        // Opened and left unchanged, a workout is not kept: changed elsewhere
        // so that the search misses it, it goes.
        editing.editWorkout = [&](CDatabase::ConstWorkoutPos, QWidget*) { return false; };
        dialog.List()->setCurrentItem(dialog.List()->topLevelItem(0));
        dialog.OpenSelected();
        auto first = doc.Log().BeginWorkouts();
        CWorkOut longer(**std::next(first), true);
        longer.distance = 12;
        edit::ReplaceWorkout(doc, std::next(first), longer);
        QCOMPARE(dialog.List()->topLevelItemCount(), 0);
        QCOMPARE(count->text(), QStringLiteral("0 workouts"));
    }

private:
    static QStringList Column(const CWorkoutListDialog& dialog, int column) {
        QStringList texts;
        for (int row = 0; row < dialog.List()->topLevelItemCount(); ++row)
            texts << dialog.List()->topLevelItem(row)->text(column);
        return texts;
    }

    std::unique_ptr<AppFixture> app_;
    double longest_ = 0;  // the search finds workouts up to this distance
    CWorkoutListDialog::FindRows find_;
};

QTEST_MAIN(WorkoutListDialogTest)
#include "WorkoutListDialogTest.moc"
