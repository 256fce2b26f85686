// The calendar written after a save, in the frame: only the subscribed
// diary's save writes it; one that cannot be written leaves the save as it
// was and says so in the status bar alone. The export refuses the diary's
// own file and, unticked, ends the diary's subscription.
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "DateTime.h"
#include "DocumentEdits.h"
#include "PlanCalendarDialog.h"
#include "PlanCalendarInstall.h"
#include "ResourceIds.h"
#include "TestSupport.h"

using namespace kadenzo;

// Named: the test's lambdas capture its world.
namespace plan_calendar_test {

constexpr std::time_t kNow = 1709294400;  // Friday 1 March 2024, 12:00 UTC
constexpr std::uint32_t kTempoRun = 3;

struct CalendarWorld {
    CalendarWorld() : app(StarterLibrary()) {
        app.context.clock = [] { return kNow; };
        app.Doc().OnNewDocument();
        InstallPlanCalendar(app.MakeFrame(), *app.settings, app.dialogs);
        const double date = NoonOfDayNumber(app.context.Today() + 2);
        auto w = std::make_unique<CWorkOut>();
        w->date = date;
        w->templateId = kTempoRun;
        w->plannedDuration = 45;
        edit::AddWorkout(app.Doc(), std::move(w), edit::InDateOrder(date));
    }
    QString Calendar() const {
        QFile file(calendar);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    QString Status() const { return app.frame->statusBar()->currentMessage(); }

    AppFixture app;
    const QString diary = app.PathOf(QStringLiteral("season.kdz"));
    const QString calendar = app.PathOf(QStringLiteral("plan.ics"));
};

// Runs the export command and, while its dialog is open, `act` on it.
void Export(CalendarWorld& w, const std::function<void(CPlanCalendarDialog&)>& act) {
    QTimer::singleShot(0, [&act] {
        auto* dialog = qobject_cast<CPlanCalendarDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    QVERIFY(w.app.frame->Execute(ID_EXPORT_PLAN_CALENDAR));
}

void Press(CPlanCalendarDialog& dialog, const QString& path, bool afterSave) {
    dialog.findChild<QLineEdit*>(QStringLiteral("CalendarPath"))->setText(path);
    dialog.findChild<QCheckBox*>(QStringLiteral("CalendarAfterSave"))->setChecked(afterSave);
    dialog.accept();
}

}  // namespace plan_calendar_test

using namespace plan_calendar_test;

class PlanCalendarInstallTest : public QObject {
    Q_OBJECT

private slots:
    void onlyTheSubscribedDiarysSaveWritesItsCalendar() {
        CalendarWorld w;
        // Chosen while the diary had no file: the first save makes it its own.
        WriteCalendarSubscription(*w.app.settings, {w.calendar.toStdString(), ""});
        QVERIFY(w.app.document->SaveTo(w.diary));
        QVERIFY(w.Calendar().startsWith("BEGIN:VCALENDAR\r\n"));
        QVERIFY(w.Calendar().contains("UID:20240303-3-1@season.kdz"));
        QCOMPARE(ReadCalendarSubscription(*w.app.settings).diaryPath, w.diary.toStdString());

        // Another diary saved: the calendar stays that of the first.
        QFile::remove(w.calendar);
        QVERIFY(w.app.document->SaveTo(w.app.PathOf(QStringLiteral("other.kdz"))));
        QVERIFY(!QFile::exists(w.calendar));
        QVERIFY(w.app.dialogs.messages.empty());
    }

    void aCalendarNotWrittenLeavesTheSaveAndSaysSoInTheStatusBar() {
        CalendarWorld w;
        const QString unreachable = w.app.PathOf(QStringLiteral("gone/plan.ics"));
        WriteCalendarSubscription(*w.app.settings, {unreachable.toStdString(), ""});
        QVERIFY(w.app.document->SaveTo(w.diary));
        QVERIFY(QFile::exists(w.diary));
        QVERIFY(!w.app.document->IsModified());
        QVERIFY(w.Status().startsWith("The diary was saved, but the calendar " + unreachable +
                                      " could not be written: "));
        QVERIFY(w.app.dialogs.messages.empty());
    }

    void theExportRefusesTheDiaryAndUntickedEndsTheSubscription() {
        CalendarWorld w;
        QVERIFY(w.app.document->SaveTo(w.diary));
        const QByteArray saved = [&] {
            QFile file(w.diary);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        Export(w, [&](CPlanCalendarDialog& dialog) {
            Press(dialog, w.diary, true);
            QVERIFY(dialog.isVisible());
            QCOMPARE(w.app.dialogs.messages.size(), std::size_t{1});
            QCOMPARE(w.app.dialogs.messages[0].text,
                     QStringLiteral("The calendar file cannot be the diary itself: choose another "
                                    "name."));
            Press(dialog, w.calendar, true);
        });
        QFile diary(w.diary);
        QVERIFY(diary.open(QIODevice::ReadOnly));
        QCOMPARE(diary.readAll(), saved);
        QVERIFY(w.Calendar().contains("SUMMARY:Tempo run"));
        QCOMPARE(ReadCalendarSubscription(*w.app.settings),
                 (CalendarSubscription{w.calendar.toStdString(), w.diary.toStdString()}));
        QCOMPARE(w.Status(), "The plan was written to " + w.calendar);

        // Opened again it offers the diary's calendar, ticked; unticked, no
        // save writes it any more.
        Export(w, [&](CPlanCalendarDialog& dialog) {
            QCOMPARE(dialog.Path(), w.calendar);
            QVERIFY(dialog.AfterSave());
            Press(dialog, w.calendar, false);
        });
        QCOMPARE(ReadCalendarSubscription(*w.app.settings), CalendarSubscription{});
    }
};

QTEST_MAIN(PlanCalendarInstallTest)
#include "PlanCalendarInstallTest.moc"
