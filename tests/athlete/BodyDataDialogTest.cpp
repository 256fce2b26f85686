// The body data dialog on a document: the day's record stored, left alone and
// removed as one change each, and a field it cannot hold refused. Units and
// what is typed are read by BodyDataValuesTest.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "BodyDataDialog.h"
#include "ControlId.h"
#include "DateTime.h"
#include "DocumentEdits.h"
#include "ResourceIds.h"
#include "TestSupport.h"
#include "WidgetTesting.h"

using namespace kadenzo;

namespace {

const int kDay = 45427;  // 2024-05-15
const CalendarDateTime kNoon{CalendarDateTime::kValid, NoonOfDayNumber(kDay)};

}  // namespace

class BodyDataDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() { app_ = std::make_unique<AppFixture>(); }
    void cleanup() { app_.reset(); }

    void theDaysDataAreStoredAndRemovedAsOneChangeEach() {
        CKadenzoDoc& doc = app_->Doc();
        const std::size_t snapshots = doc.UndoSnapshots();
        WhenModal([](QDialog& dialog) {
            Retype(Find<QLineEdit>(dialog, IDC_BODY_WEIGHT), QStringLiteral("71"));
            Find<QPlainTextEdit>(dialog, IDC_BODY_NOTE)->setPlainText(QStringLiteral("Morning"));
            dialog.accept();
        });
        QVERIFY(EditBodyData(doc, kDay, app_->dialogs, nullptr));
        QCOMPARE(doc.UndoSnapshots(), snapshots + 1);
        QCOMPARE(doc.Log().FindBodyInfo(kNoon)->weight, 71.0);

        // OK without a change changes nothing.
        WhenModal([](QDialog& dialog) { dialog.accept(); });
        QVERIFY(!EditBodyData(doc, kDay, app_->dialogs, nullptr));
        QCOMPARE(doc.UndoSnapshots(), snapshots + 1);

        // Emptied, the record goes; undo brings it back.
        WhenModal([](QDialog& dialog) {
            Retype(Find<QLineEdit>(dialog, IDC_BODY_WEIGHT), QStringLiteral("0"));
            Find<QPlainTextEdit>(dialog, IDC_BODY_NOTE)->clear();
            dialog.accept();
        });
        QVERIFY(EditBodyData(doc, kDay, app_->dialogs, nullptr));
        QVERIFY(!doc.Log().FindBodyInfo(kNoon));
        QVERIFY(doc.Log().BodyInfos().empty());
        doc.Undo();
        QCOMPARE(doc.Log().FindBodyInfo(kNoon)->note, std::string("Morning"));
    }

    // A field the record cannot hold keeps the dialog open on it, selected.
    void aRestingHeartRateOf300KeepsTheDialogOpenAndTheDayAsItWas() {
        CKadenzoDoc& doc = app_->Doc();
        CBodyInfo info(kNoon);
        info.weight = 70;
        info.value3 = 52;
        QVERIFY(edit::SetBodyInfo(doc, info));
        const std::size_t snapshots = doc.UndoSnapshots();
        bool heldOnTheField = false;
        WhenModal([&](QDialog& dialog) {
            auto* field = Find<QLineEdit>(dialog, IDC_BODY_VALUE3);
            Retype(field, QStringLiteral("300"));
            dialog.accept();
            heldOnTheField = dialog.isVisible() && dialog.focusWidget() == field &&
                             field->selectedText() == field->text();
            dialog.reject();
        });
        QVERIFY(!EditBodyData(doc, kDay, app_->dialogs, nullptr));
        QVERIFY(heldOnTheField);
        QCOMPARE(app_->dialogs.messages.size(), std::size_t{1});
        QCOMPARE(app_->dialogs.messages[0].text,
                 QStringLiteral("Resting heart rate must be a whole number from 0 to 255."));
        QCOMPARE(doc.UndoSnapshots(), snapshots);
        QVERIFY(doc.Log().FindBodyInfo(kNoon)->IsEqual(info));
    }

private:
    std::unique_ptr<AppFixture> app_;
};

QTEST_MAIN(BodyDataDialogTest)
#include "BodyDataDialogTest.moc"
