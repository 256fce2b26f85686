// The athlete profile dialog as the first-time prompt and as the profile
// command: OK hands back every field, a refused heart rate keeps it open,
// Cancel hands back what it was given. What is typed is read by
// ProfileValuesTest.
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ProfileDialog.h"
#include "TestSupport.h"

using namespace kadenzo;

namespace {

void Click(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    dialog.findChild<QDialogButtonBox*>()->button(which)->click();
}

std::int32_t Stamp(int year, int month, int day) {
    return static_cast<std::int32_t>(
        QDateTime(QDate(year, month, day), QTime(9, 15), Qt::LocalTime).toSecsSinceEpoch());
}

}  // namespace

class ProfileDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        module_ = LoadEnglishModule();
        dialogs_ = std::make_unique<FakeUserDialogs>();
    }
    void cleanup() {
        dialogs_.reset();
        module_.reset();
    }

    // The birth date keeps its time of day.
    void okReturnsTheEditedValues() {
        CProfileDialog dialog(AthleteProfile{0, -1, Stamp(2000, 1, 1)}, false, *dialogs_,
                              TextService(*module_));
        QVERIFY(!dialog.findChild<QRadioButton*>(QStringLiteral("1066"))->isChecked());
        QVERIFY(!dialog.findChild<QRadioButton*>(QStringLiteral("1067"))->isChecked());
        dialog.findChild<QLineEdit*>(QStringLiteral("1006"))->setText(QStringLiteral(" 187 "));
        dialog.findChild<QRadioButton*>(QStringLiteral("1067"))->click();
        dialog.findChild<QDateEdit*>(QStringLiteral("1038"))->setDate(QDate(1979, 5, 20));
        Click(dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(dialog.Profile().maxHeartRate, 187);
        QCOMPARE(dialog.Profile().hrFormula, 1);
        QCOMPARE(dialog.Profile().birthDate, Stamp(1979, 5, 20));
    }

    // Anything but a whole number from 0 to 255 keeps the dialog open on its
    // field, with no value taken.
    void aRefusedHeartRateKeepsTheDialogOpenOnItsField() {
        const AthleteProfile given{170, 0, Stamp(1980, 1, 1)};
        CProfileDialog dialog(given, false, *dialogs_, TextService(*module_));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* rate = dialog.findChild<QLineEdit*>(QStringLiteral("1006"));
        for (const QString& typed : {QStringLiteral("18O"), QStringLiteral("256")}) {
            rate->setText(typed);
            dialog.findChild<QRadioButton*>(QStringLiteral("1067"))->click();
            Click(dialog, QDialogButtonBox::Ok);
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.focusWidget(), rate);
            QCOMPARE(rate->selectedText(), typed);
            QCOMPARE(dialogs_->messages.back().text,
                     QStringLiteral("Maximum heart rate must be a whole number from 0 to 255."));
            QCOMPARE(dialog.Profile().maxHeartRate, given.maxHeartRate);
            QCOMPARE(dialog.Profile().hrFormula, given.hrFormula);
        }
        rate->setText(QStringLiteral("255"));
        Click(dialog, QDialogButtonBox::Ok);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.Profile().maxHeartRate, 255);
    }

    // The first-time prompt can only be answered, not closed.
    void theFirstPromptHasNoCloseBoxAndCancelHandsBackTheGivenValues() {
        CProfileDialog dialog(AthleteProfile{160, 1, Stamp(1970, 3, 3)}, true, *dialogs_,
                              TextService(*module_));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
        dialog.findChild<QLineEdit*>(QStringLiteral("1006"))->setText(QStringLiteral("200"));
        Click(dialog, QDialogButtonBox::Cancel);
        QCOMPARE(dialog.result(), static_cast<int>(QDialog::Rejected));
        QCOMPARE(dialog.Profile().maxHeartRate, 160);
        QCOMPARE(dialog.Profile().hrFormula, 1);
    }

private:
    std::unique_ptr<LanguageModule> module_;
    std::unique_ptr<FakeUserDialogs> dialogs_;
};

QTEST_MAIN(ProfileDialogTest)
#include "ProfileDialogTest.moc"
