// The library editor: its grid driven through the item model and the cell
// delegates, the deletion and validation rules as the user meets them, and
// OK, Cancel and the view-only mode on a document.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "AddLibraryItem.h"
#include "ControlId.h"
#include "DialogsInstall.h"
#include "DocumentEdits.h"
#include "LibraryEditorDialog.h"
#include "LibraryGridModel.h"
#include "LibraryGridPanel.h"
#include "QtUserDialogs.h"
#include "ResourceIds.h"
#include "TestSupport.h"
#include "Texts.h"
#include "WidgetTesting.h"

using namespace kadenzo;

namespace {

// Tabs of the editor.
constexpr int kCategories = 0;
constexpr int kSports = 2;
constexpr int kTracks = 4;
constexpr int kTemplates = 5;

using kadenzo::test::AddItem;

// Categories 1 (used by template 5, which a workout uses) and 2 (unused).
std::unique_ptr<CLibrary> SmallLibrary() {
    auto library = std::make_unique<CLibrary>();
    AddItem(library->categories, 1, "Base");
    AddItem(library->categories, 2, "Speed");
    AddItem(library->sports, 100, "Other").active = 1;
    AddItem(library->workoutTemplates, 5, "Long run").categoryId = 1;
    library->RecomputeIdCounters();
    return library;
}

}  // namespace

class LibraryEditorTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        app_ = std::make_unique<AppFixture>(SmallLibrary());
        auto workout = std::make_unique<CWorkOut>();
        workout->templateId = 5;
        workout->date = 45000.5;
        edit::AddWorkout(app_->Doc(), std::move(workout), edit::InDateOrder(45000.5));
        libraryPath_ = app_->PathOf(QStringLiteral("library.dat")).toStdString();
    }
    void cleanup() { app_.reset(); }

    // Typing into the empty last row makes a category and a new empty row
    // below; Enter keeps the value in the grid (and the dialog open), Escape
    // takes the category back.
    void typingAndEscapeInTheEmptyRow() {
        CLibraryEditorDialog dialog(app_->Doc(), app_->dialogs, libraryPath_);
        dialog.show();
        CLibraryGridView* view = dialog.Panel()->View();
        CLibraryGridModel& model = dialog.Panel()->Model();
        QCOMPARE(model.rowCount(), 3);
        view->setCurrentIndex(model.index(2, 0));
        QTest::keyClick(view, 'T');  // typing opens the cell's editor
        auto* editor = view->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("empo"));
        QCOMPARE(editor->text(), QStringLiteral("Tempo"));
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(dialog.Copy()->categories.size(), std::size_t{3});
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();  // the editor closes after the key
        QVERIFY(dialog.isVisible());
        QCOMPARE(model.data(model.index(2, 0)).toString(), QStringLiteral("Tempo"));
        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(dialog.Copy()->categories.size(), std::size_t{2});
        QVERIFY(!dialog.Panel()->Grid().EditingRow());
    }

    // A template row left without a category is refused with its message
    // and the beep; the choice list's delegate then sets the category.
    void aRowIsLeftOnlyWhenItsValuesAreAccepted() {
        CLibraryEditorDialog dialog(app_->Doc(), app_->dialogs, libraryPath_);
        dialog.show();
        dialog.Tabs()->setCurrentIndex(kTemplates);
        CLibraryGridView* view = dialog.Panel()->View();
        CLibraryGridModel& model = dialog.Panel()->Model();
        QSignalSpy beeps(&model, &CLibraryGridModel::refused);
        view->setCurrentIndex(model.index(1, 0));
        QVERIFY(model.setData(model.index(1, 0), QStringLiteral("Intervals")));
        view->setCurrentIndex(model.index(0, 0));
        QCOMPARE(view->currentIndex().row(), 1);
        QCOMPARE(beeps.count(), 1);
        QVERIFY(dialog.Panel()->MessageLine()->isVisibleTo(&dialog));
        QCOMPARE(dialog.Panel()->MessageLine()->text(), app_->Texts().Text(IDS_CATEGORY_MISSING));
        // Neither another tab nor OK leaves the row.
        dialog.Tabs()->setCurrentIndex(kCategories);
        QCOMPARE(dialog.Tabs()->currentIndex(), kTemplates);
        dialog.accept();
        QVERIFY(!dialog.isHidden());

        view->setCurrentIndex(model.index(1, 1));
        view->edit(model.index(1, 1));
        auto* choices = view->viewport()->findChild<QComboBox*>();
        QVERIFY(choices);
        QCOMPARE(choices->itemText(2), QStringLiteral("Speed"));
        choices->setCurrentIndex(2);
        view->CommitOpenEditor();
        QCOMPARE(model.data(model.index(1, 1)).toString(), QStringLiteral("Speed"));
        view->setCurrentIndex(model.index(0, 0));
        QCOMPARE(view->currentIndex().row(), 0);
        QVERIFY(dialog.Panel()->MessageLine()->isHidden());
        QCOMPARE(dialog.Copy()->workoutTemplates[1].categoryId, 2u);
    }

    // A new track with a distance but no name is refused for its name.
    void aTrackWithoutANameAsksForTheName() {
        CLibraryEditorDialog dialog(app_->Doc(), app_->dialogs, libraryPath_);
        dialog.show();
        dialog.Tabs()->setCurrentIndex(kTracks);
        CLibraryGridView* view = dialog.Panel()->View();
        CLibraryGridModel& model = dialog.Panel()->Model();
        view->setCurrentIndex(model.index(0, 2));
        QVERIFY(model.setData(model.index(0, 2), QStringLiteral("12,5")));
        view->setCurrentIndex(model.index(1, 0));
        QCOMPARE(view->currentIndex().row(), 0);
        QCOMPARE(dialog.Panel()->MessageLine()->text(), app_->Texts().Text(IDS_NAME_MISSING));
    }

    // Cancel, Escape and the close box ask before changes are dropped, and
    // only when there are some: a new row given up again is none.
    void closingAsksBeforeDroppingChanges() {
        CLibraryEditorDialog dialog(app_->Doc(), app_->dialogs, libraryPath_);
        dialog.show();
        CLibraryGridView* view = dialog.Panel()->View();
        CLibraryGridModel& model = dialog.Panel()->Model();
        view->setCurrentIndex(model.index(2, 0));
        QVERIFY(model.setData(model.index(2, 0), QStringLiteral("Tempo")));
        QTest::keyClick(view, Qt::Key_Escape);  // takes the new row back
        QVERIFY(dialog.isVisible());
        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(dialog.isHidden());
        QVERIFY(app_->dialogs.questions.empty());

        // A value typed but not yet handed to its item counts, too.
        dialog.show();
        view->setCurrentIndex(model.index(1, 0));
        QVERIFY(model.setData(model.index(1, 0), QStringLiteral("Sprint")));
        app_->dialogs.yesNo = {false};
        dialog.reject();
        QVERIFY(dialog.isVisible());
        QCOMPARE(app_->dialogs.questions.size(), std::size_t{1});
        QCOMPARE(app_->dialogs.questions[0].defaultAnswer, UserDialogs::Answer::No);
        QCOMPARE(app_->dialogs.questions[0].text, app_->Texts().Text(IDS_DISCARD_LIBRARY_CHANGES));
        QCOMPARE(model.data(model.index(1, 0)).toString(), QStringLiteral("Sprint"));
        view->setCurrentIndex(model.index(0, 0));  // the row is left: the item takes it
        QCOMPARE(dialog.Copy()->categories[1].name, std::string("Sprint"));
        app_->dialogs.yesNo = {true};
        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(dialog.isHidden());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(app_->dialogs.questions.size(), std::size_t{2});
        QCOMPARE(app_->Doc().Library().GetCategoryName(2), std::string("Speed"));
    }

    // In the real question box a reflex Enter keeps the edits; a question
    // that throws nothing away still takes Enter as Yes.
    void enterInTheDiscardQuestionKeepsTheEdits() {
        QtUserDialogs qtDialogs;
        UserDialogs& dialogs = qtDialogs;
        CLibraryEditorDialog dialog(app_->Doc(), dialogs, libraryPath_);
        dialog.show();
        CLibraryGridModel& model = dialog.Panel()->Model();
        dialog.Panel()->View()->setCurrentIndex(model.index(1, 0));
        QVERIFY(model.setData(model.index(1, 0), QStringLiteral("Sprint")));
        const auto pressEnter = [] {
            WhenModal([](QDialog& box) { QTest::keyClick(&box, Qt::Key_Return); });
        };
        pressEnter();
        dialog.reject();
        QVERIFY(dialog.isVisible());
        QCOMPARE(model.data(model.index(1, 0)).toString(), QStringLiteral("Sprint"));
        pressEnter();
        QVERIFY(dialogs.AskYesNo(QStringLiteral("Open the download page?"),
                                 UserDialogs::Icon::Question));
    }

    void theDeleteKeyDeletesWholeRowsNotInUse() {
        CLibraryEditorDialog dialog(app_->Doc(), app_->dialogs, libraryPath_);
        dialog.show();
        CLibraryGridView* view = dialog.Panel()->View();
        CLibraryGridModel& model = dialog.Panel()->Model();
        view->setCurrentIndex(model.index(0, 1));
        QTest::keyClick(view, Qt::Key_Delete);  // one cell: nothing happens
        QCOMPARE(model.rowCount(), 3);
        view->selectRow(0);
        view->selectionModel()->select(model.index(1, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keyClick(view, Qt::Key_Delete);
        // "Speed" went, "Base" stays for its template.
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(dialog.Copy()->categories[0].name, std::string("Base"));
        QCOMPARE(dialog.Panel()->MessageLine()->text(), app_->Texts().Text(IDS_DELETE_REFUSED));

        dialog.Tabs()->setCurrentIndex(kSports);
        QCOMPARE(model.rowCount(), 1);  // no empty row for new sports
        QCOMPARE(model.headerData(0, Qt::Vertical).toString(), QStringLiteral("Other"));
        view->selectRow(0);
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(dialog.Panel()->MessageLine()->text(), app_->Texts().Text(IDS_CANNOT_DELETE_ROWS));
        QCOMPARE(model.rowCount(), 1);
    }

    void coloursComeFromTheColourChooser() {
        CLibraryEditorDialog dialog(app_->Doc(), app_->dialogs, libraryPath_);
        dialog.show();
        CLibraryGridView* view = dialog.Panel()->View();
        CLibraryGridModel& model = dialog.Panel()->Model();
        std::uint32_t offered = 0;
        view->SetColourChooser([&offered](std::uint32_t current, QWidget*) {
            offered = current;
            return std::optional<std::uint32_t>(0x0000FF);
        });
        view->setCurrentIndex(model.index(1, 1));
        view->edit(model.index(1, 1));
        QCOMPARE(offered, kNoColour);
        QCOMPARE(model.data(model.index(1, 1), Qt::BackgroundRole).value<QColor>(),
                 QColor(Qt::red));
        QVERIFY(dialog.Panel()->FinishEditing());
        QCOMPARE(dialog.Copy()->categories[1].colour, 0x0000FFu);
    }

    // OK makes the copy the program's library in one undoable change and
    // writes the library file; undo gives the document its old library back
    // but leaves the file alone.
    void okReplacesTheLibraryAndWritesTheFile() {
        CKadenzoDoc& doc = app_->Doc();
        const std::size_t snapshots = doc.UndoSnapshots();
        {
            CLibraryEditorDialog dialog(doc, app_->dialogs, libraryPath_);
            CLibraryGridModel& model = dialog.Panel()->Model();
            QVERIFY(model.setData(model.index(1, 0), QStringLiteral("Schnelligkeit")));
            dialog.accept();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(doc.Library().GetCategoryName(2), std::string("Schnelligkeit"));
        QCOMPARE(doc.UndoSnapshots(), snapshots + 1);
        QVERIFY(doc.IsModified());
        QCOMPARE(ReadLibraryFile(libraryPath_)->GetCategoryName(2), std::string("Schnelligkeit"));
        QVERIFY(app_->dialogs.messages.empty());
        doc.Undo();
        QCOMPARE(doc.Library().GetCategoryName(2), std::string("Speed"));
        QCOMPARE(ReadLibraryFile(libraryPath_)->GetCategoryName(2), std::string("Schnelligkeit"));
    }

    void aFailedSaveIsReported() {
        const std::string nowhere = app_->PathOf(QStringLiteral("gone/library.dat")).toStdString();
        CLibraryEditorDialog dialog(app_->Doc(), app_->dialogs, nowhere);
        dialog.Panel()->Model().setData(dialog.Panel()->Model().index(1, 0), QStringLiteral("X"));
        dialog.accept();
        QCOMPARE(app_->Doc().Library().GetCategoryName(2), std::string("X"));
        QCOMPARE(app_->dialogs.messages.size(), std::size_t{1});
        QVERIFY(app_->dialogs.messages[0].text.contains(QStringLiteral("gone")));
        QCOMPARE(app_->dialogs.messages[0].icon, UserDialogs::Icon::Error);
    }

    void cancelLeavesLibraryAndFile() {
        CKadenzoDoc& doc = app_->Doc();
        {
            CLibraryEditorDialog dialog(doc, app_->dialogs, libraryPath_);
            dialog.Panel()->Model().setData(dialog.Panel()->Model().index(0, 0),
                                            QStringLiteral("Y"));
            app_->dialogs.yesNo = {true};  // discard the changes
            dialog.reject();
        }
        QCOMPARE(doc.Library().GetCategoryName(1), std::string("Base"));
        QVERIFY(!QFile::exists(QString::fromStdString(libraryPath_)));
    }

    // After a diary brought its own library, the command warns and the
    // editor only shows the library.
    void theCommandOpensAReplacedLibraryViewOnly() {
        CMainFrame& frame = app_->MakeFrame();
        InstallDialogs(frame, app_->dialogs, libraryPath_);
        const QString diary = app_->PathOf(QStringLiteral("diary.kdz"));
        QVERIFY(app_->document->SaveTo(diary));
        app_->context.library->sports.AddNew().name = "Added later";
        app_->dialogs.yesNo = {false};  // this computer, No: the diary's library
        QVERIFY(app_->document->OpenDocumentFile(diary));
        QVERIFY(app_->Doc().LibraryReplaced());

        bool viewOnly = false;
        bool okEnabled = true;
        bool editable = true;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CLibraryEditorDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            viewOnly = dialog->ViewOnly();
            okEnabled = dialog->OkButton()->isEnabled();
            CLibraryGridModel& model = dialog->Panel()->Model();
            editable = model.flags(model.index(0, 0)) & Qt::ItemIsEditable;
            dialog->reject();
        });
        QVERIFY(frame.Execute(ID_LIBRARY_EDITOR));
        QCOMPARE(app_->dialogs.messages.back().text, app_->Texts().Text(IDS_LIBRARY_VIEW_ONLY));
        QVERIFY(viewOnly);
        QVERIFY(!okEnabled);
        QVERIFY(!editable);
    }

private:
    std::unique_ptr<AppFixture> app_;
    std::string libraryPath_;
};

QTEST_MAIN(LibraryEditorTest)
#include "LibraryEditorTest.moc"
