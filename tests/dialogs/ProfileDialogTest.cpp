// The athlete profile dialog as the first-time prompt and as the profile command.
#include <QButtonGroup>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimeZone>

#include "ProfileDialog.h"
#include "QtUserDialogs.h"
#include "TestSupport.h"
#include "WidgetTesting.h"

using namespace kadenzo;

namespace {

QPushButton* Button(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    return dialog.findChild<QDialogButtonBox*>()->button(which);
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

    void neverEnteredProfileShowsNoChoice() {
        CProfileDialog dialog(AthleteProfile{0, -1, Stamp(2026, 12, 1)}, true, *dialogs_,
                              TextService(*module_));
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("1006"))->text(), QStringLiteral("0"));
        QVERIFY(!dialog.findChild<QRadioButton*>(QStringLiteral("1066"))->isChecked());
        QVERIFY(!dialog.findChild<QRadioButton*>(QStringLiteral("1067"))->isChecked());
        QCOMPARE(dialog.findChild<QDateEdit*>(QStringLiteral("1038"))->date(), QDate(2026, 12, 1));
    }

    void firstPromptHasNoCloseBoxButTheCommandHas() {
        CProfileDialog first(AthleteProfile{}, true, *dialogs_, TextService(*module_));
        QVERIFY(first.FirstPrompt());
        QVERIFY(!(first.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(first.windowFlags() & Qt::WindowSystemMenuHint));
        CProfileDialog command(AthleteProfile{}, false, *dialogs_, TextService(*module_));
        QVERIFY(!(command.windowFlags() & Qt::CustomizeWindowHint) ||
                (command.windowFlags() & Qt::WindowCloseButtonHint));
    }

    void okReturnsTheEditedValues() {
        CProfileDialog dialog(AthleteProfile{0, -1, Stamp(2000, 1, 1)}, false, *dialogs_,
                              TextService(*module_));
        dialog.findChild<QLineEdit*>(QStringLiteral("1006"))->setText(QStringLiteral(" 187 "));
        dialog.findChild<QRadioButton*>(QStringLiteral("1067"))->click();
        dialog.findChild<QDateEdit*>(QStringLiteral("1038"))->setDate(QDate(1979, 5, 20));
        Button(dialog, QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(dialog.Profile().maxHeartRate, 187);
        QCOMPARE(dialog.Profile().hrFormula, 1);
        const QDateTime birth =
            QDateTime::fromSecsSinceEpoch(dialog.Profile().birthDate, Qt::LocalTime);
        QCOMPARE(birth.date(), QDate(1979, 5, 20));
        QCOMPARE(birth.time(), QTime(9, 15));
    }

    // Anything but a whole number from 0 to 255 keeps the dialog open on its field.
    void aRefusedHeartRateKeepsTheDialogOpenOnItsField() {
        const AthleteProfile given{170, 0, Stamp(1980, 1, 1)};
        CProfileDialog dialog(given, false, *dialogs_, TextService(*module_));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* rate = dialog.findChild<QLineEdit*>(QStringLiteral("1006"));
        for (const QString& typed : {QStringLiteral("18O"), QStringLiteral("300"),
                                     QStringLiteral("256"), QStringLiteral("-1"),
                                     QStringLiteral("1500")}) {
            rate->setText(typed);
            dialog.findChild<QRadioButton*>(QStringLiteral("1067"))->click();
            Button(dialog, QDialogButtonBox::Ok)->click();
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.focusWidget(), rate);
            QCOMPARE(rate->selectedText(), typed);
            QCOMPARE(dialogs_->messages.back().text, kRangeMessage);
            QCOMPARE(dialog.Profile().maxHeartRate, given.maxHeartRate);
            QCOMPARE(dialog.Profile().hrFormula, given.hrFormula);
        }
        QCOMPARE(dialogs_->messages.size(), std::size_t{5});
        rate->setText(QStringLiteral("180"));
        Button(dialog, QDialogButtonBox::Ok)->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.Profile().maxHeartRate, 180);
    }

    void cancelHandsBackTheGivenValues() {
        CProfileDialog dialog(AthleteProfile{160, 1, Stamp(1970, 3, 3)}, true, *dialogs_,
                              TextService(*module_));
        dialog.findChild<QLineEdit*>(QStringLiteral("1006"))->setText(QStringLiteral("200"));
        Button(dialog, QDialogButtonBox::Cancel)->click();
        QCOMPARE(dialog.result(), static_cast<int>(QDialog::Rejected));
        QCOMPARE(dialog.Profile().maxHeartRate, 160);
        QCOMPARE(dialog.Profile().hrFormula, 1);
    }

    // The message boxes open the dialog once it is installed into them, and
    // only OK changes the profile.
    void installedItOpensFromTheMessageBoxes() {
        QtUserDialogs dialogs;
        AthleteProfile profile{160, 1, Stamp(1970, 3, 3)};
        QVERIFY(!dialogs.EditProfile(profile, false));
        InstallProfileDialog(dialogs, TextService(*module_));
        const auto answer = [](QDialogButtonBox::StandardButton button, const char* rate) {
            WhenModal([button, rate](QDialog& dialog) {
                dialog.findChild<QLineEdit*>(QStringLiteral("1006"))->setText(rate);
                Button(dialog, button)->click();
            });
        };
        answer(QDialogButtonBox::Cancel, "170");
        QVERIFY(!dialogs.EditProfile(profile, false));
        QCOMPARE(profile.maxHeartRate, 160);
        answer(QDialogButtonBox::Ok, "180");
        QVERIFY(dialogs.EditProfile(profile, false));
        QCOMPARE(profile.maxHeartRate, 180);
    }

private:
    const QString kRangeMessage =
        QStringLiteral("Maximum heart rate must be a whole number from 0 to 255.");
    std::unique_ptr<LanguageModule> module_;
    std::unique_ptr<FakeUserDialogs> dialogs_;
};

QTEST_MAIN(ProfileDialogTest)
#include "ProfileDialogTest.moc"
