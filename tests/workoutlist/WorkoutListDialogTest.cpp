// The list of found workouts on a document: after an edit through the frame's
// editing hook (faked here), a change elsewhere or an undo it shows the
// document as it is, so no row can open a workout that is gone. Sorting and
// keeping edited rows are tested without widgets in WorkoutListRowsTest.
#include <QTest>
#include <QTreeWidget>

#include "AddLibraryItem.h"
#include "DocumentEdits.h"
#include "TestSupport.h"
#include "WorkoutEditing.h"
#include "WorkoutListDialog.h"

using namespace kadenzo;

namespace {

std::unique_ptr<CLibrary> RunLibrary() {
    auto library = std::make_unique<CLibrary>();
    test::AddItem(library->sports, 1, "Run").hasDistance = 1;
    test::AddItem(library->workoutTemplates, 7, "Easy");
    return library;
}

QStringList Distances(const CWorkoutListDialog& dialog) {
    QStringList texts;
    for (int row = 0; row < dialog.List()->topLevelItemCount(); ++row)
        texts << dialog.List()->topLevelItem(row)->text(3);
    return texts;
}

}  // namespace

class WorkoutListDialogTest : public QObject {
    Q_OBJECT

private slots:
    // Runs of 10, 9 and 8 km on three days; the search finds those up to longest_.
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
        longest_ = 9.5;
        sort_ = {};
        find_ = [this] {
            std::vector<CDatabase::ConstWorkoutPos> rows;
            const CDatabase& log = app_->Doc().Log();
            for (auto it = log.BeginWorkouts(); it != log.EndWorkouts(); ++it)
                if ((*it)->distance <= longest_) rows.push_back(it);
            return rows;
        };
        editing_.editWorkout = [this](CDatabase::ConstWorkoutPos position, QWidget*) {
            CWorkOut changed(**position, true);
            changed.distance = 21.1;
            return edit::ReplaceWorkout(app_->Doc(), position, changed);
        };
    }
    void cleanup() { app_.reset(); }

    // The edited workout moves in the sorted list and no longer meets the
    // search, yet it stays the row the user is on. Undo and other changes run
    // the search again, so no row shows a workout that is gone.
    void theListShowsTheDocumentAsItIs() {
        CKadenzoDoc& doc = app_->Doc();
        CWorkoutListDialog dialog(doc, find_, sort_, editing_);
        dialog.SortBy(3);
        dialog.List()->setCurrentItem(dialog.List()->topLevelItem(0));
        QTest::keyClick(dialog.List(), Qt::Key_Return);
        QCOMPARE(Distances(dialog), (QStringList{"9.0km", "21.1km"}));
        QCOMPARE(dialog.List()->currentItem()->text(3), QStringLiteral("21.1km"));
        doc.Undo();
        QCOMPARE(Distances(dialog), (QStringList{"8.0km", "9.0km"}));

        // Opened and left unchanged, a workout is not kept: changed elsewhere
        // so that the search misses it, it goes.
        editing_.editWorkout = [](CDatabase::ConstWorkoutPos, QWidget*) { return false; };
        dialog.List()->setCurrentItem(dialog.List()->topLevelItem(0));
        dialog.OpenSelected();
        auto third = std::next(doc.Log().BeginWorkouts(), 2);
        CWorkOut longer(**third, true);
        longer.distance = 12;
        edit::ReplaceWorkout(doc, third, longer);
        QCOMPARE(Distances(dialog), (QStringList{"9.0km"}));
        longest_ = 100;
        edit::RemoveWorkout(doc, doc.Log().BeginWorkouts());
        QCOMPARE(Distances(dialog), (QStringList{"9.0km", "12.0km"}));
    }

private:
    std::unique_ptr<AppFixture> app_;
    double longest_ = 0;
    CWorkoutListDialog::FindRows find_;
    WorkoutListSort sort_;
    WorkoutEditing editing_;
};

QTEST_MAIN(WorkoutListDialogTest)
#include "WorkoutListDialogTest.moc"
