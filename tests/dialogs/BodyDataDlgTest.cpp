// The body data dialog in kilograms and pounds, with decimal commas, fields
// that are no number or out of range, and the day's record stored through the
// document.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "BodyDataDlg.h"
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

class BodyDataDlgTest : public QObject {
    Q_OBJECT

private slots:
    void init() { app_ = std::make_unique<AppFixture>(); }
    void cleanup() { app_.reset(); }

    void kilogramsTypedWithADecimalComma() {
        CBodyInfo info(kNoon);
        info.weight = 70;
        CBodyDataDlg dialog(info, {0, 0}, app_->context.Texts(), app_->dialogs);
        QCOMPARE(Find<QLabel>(dialog, IDC_BODY_WEIGHT_LABEL)->text(),
                 QStringLiteral("&Weight (kg):"));
        auto* weight = Find<QLineEdit>(dialog, IDC_BODY_WEIGHT);
        QCOMPARE(weight->text(), QStringLiteral("70"));
        Retype(weight, QStringLiteral("72,5"));
        dialog.accept();
        QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(weight->text(), QStringLiteral("72.5"));
        QCOMPARE(dialog.Record().weight, 72.5);
    }

    void pounds() {
        CBodyInfo info(kNoon);
        info.weight = 70;
        CBodyDataDlg dialog(info, {0, 1}, app_->context.Texts(), app_->dialogs);
        QVERIFY(
            Find<QLabel>(dialog, IDC_BODY_WEIGHT_LABEL)->text().contains(QStringLiteral("(lb)")));
        QCOMPARE(Find<QLineEdit>(dialog, IDC_BODY_WEIGHT)->text(), QStringLiteral("154.35"));
    }

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
        bool stayedOpen = false;
        QWidget* focused = nullptr;
        WhenModal([&](QDialog& dialog) {
            auto* field = Find<QLineEdit>(dialog, IDC_BODY_VALUE3);
            Retype(field, QStringLiteral("300"));
            dialog.accept();
            stayedOpen = dialog.isVisible() && dialog.result() != QDialog::Accepted;
            focused = dialog.focusWidget() == field && field->selectedText() == field->text()
                          ? field
                          : nullptr;
            dialog.reject();
        });
        QVERIFY(!EditBodyData(doc, kDay, app_->dialogs, nullptr));
        QVERIFY(stayedOpen);
        QVERIFY(focused);
        QCOMPARE(app_->dialogs.messages.size(), std::size_t{1});
        QCOMPARE(app_->dialogs.messages[0].text,
                 QStringLiteral("Resting heart rate must be a whole number from 0 to 255."));
        QCOMPARE(doc.UndoSnapshots(), snapshots);
        QVERIFY(doc.Log().FindBodyInfo(kNoon)->IsEqual(info));
    }

    void aWeightAfterAUnitSwitchShowsToAHundredthAndKeepsItsKilograms() {
        CKadenzoDoc& doc = app_->Doc();
        app_->context.units = {0, 1};
        WhenModal([](QDialog& dialog) {
            Retype(Find<QLineEdit>(dialog, IDC_BODY_WEIGHT), QStringLiteral("160,5"));
            dialog.accept();
        });
        QVERIFY(EditBodyData(doc, kDay, app_->dialogs, nullptr));
        const double kilograms = doc.Log().FindBodyInfo(kNoon)->weight;
        QCOMPARE(kilograms, 160.5 * 0.4535147392290249);

        app_->context.units = {0, 0};
        const std::size_t snapshots = doc.UndoSnapshots();
        QString shown;
        WhenModal([&shown](QDialog& dialog) {
            shown = Find<QLineEdit>(dialog, IDC_BODY_WEIGHT)->text();
            dialog.accept();
        });
        QVERIFY(!EditBodyData(doc, kDay, app_->dialogs, nullptr));
        QCOMPARE(shown, QStringLiteral("72.79"));
        QCOMPARE(doc.UndoSnapshots(), snapshots);
        QCOMPARE(doc.Log().FindBodyInfo(kNoon)->weight, kilograms);
        QVERIFY(app_->dialogs.messages.empty());
    }

private:
    std::unique_ptr<AppFixture> app_;
};

QTEST_MAIN(BodyDataDlgTest)
#include "BodyDataDlgTest.moc"
