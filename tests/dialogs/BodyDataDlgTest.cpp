// The body data dialog in kilograms and pounds, with decimal commas, fields
// that are no number, and the day's record stored through the document.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

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
        CBodyDataDlg dialog(info, {0, 0}, app_->context.Texts());
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

    void poundsAndFieldsThatAreNoNumber() {
        CBodyInfo info(kNoon);
        info.weight = 70;
        CBodyDataDlg dialog(info, {0, 1}, app_->context.Texts());
        QVERIFY(
            Find<QLabel>(dialog, IDC_BODY_WEIGHT_LABEL)->text().contains(QStringLiteral("(lb)")));
        QCOMPARE(Find<QLineEdit>(dialog, IDC_BODY_WEIGHT)->text(), QStringLiteral("154.35"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // A field that is no number keeps the dialog open on it.
        auto* field = Find<QLineEdit>(dialog, IDC_BODY_VALUE3);
        Retype(field, QStringLiteral("4,5"));
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("hint"))->isVisible());
        QCOMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->selectedText(), QStringLiteral("4,5"));
        QVERIFY(dialog.Record().IsEqual(info));
    }

    void theDaysDataAreStoredAndRemovedAsOneChangeEach() {
        CKadenzoDoc& doc = app_->Doc();
        const std::size_t snapshots = doc.UndoSnapshots();
        WhenModal([](QDialog& dialog) {
            Retype(Find<QLineEdit>(dialog, IDC_BODY_WEIGHT), QStringLiteral("71"));
            Find<QPlainTextEdit>(dialog, IDC_BODY_NOTE)->setPlainText(QStringLiteral("Morning"));
            dialog.accept();
        });
        QVERIFY(EditBodyData(doc, kDay, nullptr));
        QCOMPARE(doc.UndoSnapshots(), snapshots + 1);
        QCOMPARE(doc.Log().FindBodyInfo(kNoon)->weight, 71.0);

        // OK without a change changes nothing.
        WhenModal([](QDialog& dialog) { dialog.accept(); });
        QVERIFY(!EditBodyData(doc, kDay, nullptr));
        QCOMPARE(doc.UndoSnapshots(), snapshots + 1);

        // Emptied, the record goes; undo brings it back.
        WhenModal([](QDialog& dialog) {
            Retype(Find<QLineEdit>(dialog, IDC_BODY_WEIGHT), QStringLiteral("0"));
            Find<QPlainTextEdit>(dialog, IDC_BODY_NOTE)->clear();
            dialog.accept();
        });
        QVERIFY(EditBodyData(doc, kDay, nullptr));
        QVERIFY(!doc.Log().FindBodyInfo(kNoon));
        QVERIFY(doc.Log().BodyInfos().empty());
        doc.Undo();
        QCOMPARE(doc.Log().FindBodyInfo(kNoon)->note, std::string("Morning"));
    }

private:
    std::unique_ptr<AppFixture> app_;
};

QTEST_MAIN(BodyDataDlgTest)
#include "BodyDataDlgTest.moc"
