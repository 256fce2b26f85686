// The library editor on a document: a refused row holds it, no change is
// dropped without asking, OK is one undoable change written to the library
// file. The grid's editing rules are tested without widgets in
// LibraryGridTest; typing a new row by keys is driven by the camp and
// sub-sport journey.
#include <QLabel>
#include <QTabBar>
#include <QTest>

#include "AddLibraryItem.h"
#include "LibraryEditorDialog.h"
#include "LibraryGridModel.h"
#include "LibraryGridPanel.h"
#include "ResourceIds.h"
#include "TestSupport.h"
#include "Texts.h"

using namespace kadenzo;

namespace {

constexpr int kCategories = 0;
constexpr int kTemplates = 5;

using kadenzo::test::AddItem;

// Categories 1 and 2, a template of category 1.
std::unique_ptr<CLibrary> SmallLibrary() {
    auto library = std::make_unique<CLibrary>();
    AddItem(library->categories, 1, "Base");
    AddItem(library->categories, 2, "Speed");
    AddItem(library->workoutTemplates, 5, "Long run").categoryId = 1;
    library->RecomputeIdCounters();
    return library;
}

// Types into a cell as the grid's editor hands it over, without leaving the row.
void Type(CLibraryEditorDialog& dialog, int row, int column, const QString& text) {
    CLibraryGridModel& model = dialog.Panel()->Model();
    dialog.Panel()->View()->setCurrentIndex(model.index(row, column));
    QVERIFY(model.setData(model.index(row, column), text));
}

}  // namespace

class LibraryEditorTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        app_ = std::make_unique<AppFixture>(SmallLibrary());
        libraryPath_ = app_->PathOf(QStringLiteral("library.dat")).toStdString();
    }
    void cleanup() { app_.reset(); }

    // A template row without a category cannot be left: neither for another
    // row, nor another tab, nor by OK.
    void aRefusedRowHoldsTheDialog() {
        CLibraryEditorDialog dialog(app_->Doc(), app_->dialogs, libraryPath_);
        dialog.show();
        dialog.Tabs()->setCurrentIndex(kTemplates);
        Type(dialog, 1, 0, QStringLiteral("Intervals"));
        dialog.Panel()->View()->setCurrentIndex(dialog.Panel()->Model().index(0, 0));
        QCOMPARE(dialog.Panel()->View()->currentIndex().row(), 1);
        QCOMPARE(dialog.Panel()->MessageLine()->text(), app_->Texts().Text(IDS_CATEGORY_MISSING));
        dialog.Tabs()->setCurrentIndex(kCategories);
        QCOMPARE(dialog.Tabs()->currentIndex(), kTemplates);
        dialog.accept();
        QVERIFY(dialog.isVisible());
    }

    // Cancel, Escape and the close box ask before changes are dropped, and
    // only when there are some: a new row given up again is none.
    void closingAsksBeforeDroppingChanges() {
        CLibraryEditorDialog dialog(app_->Doc(), app_->dialogs, libraryPath_);
        dialog.show();
        CLibraryGridView* view = dialog.Panel()->View();
        Type(dialog, 2, 0, QStringLiteral("Tempo"));
        QTest::keyClick(view, Qt::Key_Escape);  // takes the new row back
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.Copy()->categories.size(), std::size_t{2});
        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(dialog.isHidden());
        QVERIFY(app_->dialogs.questions.empty());

        // A value typed but not yet handed to its item counts, too.
        dialog.show();
        Type(dialog, 1, 0, QStringLiteral("Sprint"));
        app_->dialogs.yesNo = {false, true};
        dialog.reject();
        QVERIFY(dialog.isVisible());
        QCOMPARE(app_->dialogs.questions.at(0).defaultAnswer, UserDialogs::Answer::No);
        QCOMPARE(app_->dialogs.questions[0].text, app_->Texts().Text(IDS_DISCARD_LIBRARY_CHANGES));
        dialog.reject();
        QVERIFY(dialog.isHidden());
        QCOMPARE(app_->dialogs.questions.size(), std::size_t{2});
        QCOMPARE(app_->Doc().Library().GetCategoryName(2), std::string("Speed"));
        QVERIFY(!QFile::exists(QString::fromStdString(libraryPath_)));
    }

    // OK makes the copy the program's library in one undoable change and
    // writes the library file; undo gives the document its old library back
    // but leaves the file alone. A file that cannot be written is reported.
    void okReplacesTheLibraryAndWritesTheFile() {
        CKadenzoDoc& doc = app_->Doc();
        const std::size_t snapshots = doc.UndoSnapshots();
        {
            CLibraryEditorDialog dialog(doc, app_->dialogs, libraryPath_);
            Type(dialog, 1, 0, QStringLiteral("Schnelligkeit"));
            dialog.accept();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(doc.Library().GetCategoryName(2), std::string("Schnelligkeit"));
        QCOMPARE(doc.UndoSnapshots(), snapshots + 1);
        QCOMPARE(ReadLibraryFile(libraryPath_)->GetCategoryName(2), std::string("Schnelligkeit"));
        QVERIFY(app_->dialogs.messages.empty());
        doc.Undo();
        QCOMPARE(doc.Library().GetCategoryName(2), std::string("Speed"));
        QCOMPARE(ReadLibraryFile(libraryPath_)->GetCategoryName(2), std::string("Schnelligkeit"));

        const std::string nowhere = app_->PathOf(QStringLiteral("gone/library.dat")).toStdString();
        CLibraryEditorDialog dialog(doc, app_->dialogs, nowhere);
        Type(dialog, 1, 0, QStringLiteral("X"));
        dialog.accept();
        QCOMPARE(doc.Library().GetCategoryName(2), std::string("X"));
        QCOMPARE(app_->dialogs.messages.size(), std::size_t{1});
        QVERIFY(app_->dialogs.messages[0].text.contains(QStringLiteral("gone")));
        QCOMPARE(app_->dialogs.messages[0].icon, UserDialogs::Icon::Error);
    }

private:
    std::unique_ptr<AppFixture> app_;
    std::string libraryPath_;
};

QTEST_MAIN(LibraryEditorTest)
#include "LibraryEditorTest.moc"
