// The form view in the frame: switching to it, its ranges and paging, a plan
// edit that moves the projection and its undo, the legend's lines for
// unrated workouts and a missing maximum, the printed page, and the table a
// screen reader reads.
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QFile>
#include <QPrinter>
#include <QTest>
#include <cmath>

#include "DateTime.h"
#include "DocumentEdits.h"
#include "FormChart.h"
#include "FormView.h"
#include "FormViewInstall.h"
#include "ResourceIds.h"
#include "TestSupport.h"

using namespace kadenzo;

namespace {

constexpr std::time_t kNow = 1709294400;  // Friday 1 March 2024, 12:00 UTC
constexpr std::uint32_t kTempoRun = 3;    // starter library: 80-88 % of the maximum
constexpr std::uint32_t kTechniqueSwim = 9;  // no targets at all
constexpr std::int32_t kRacePreparation = 2;

struct FormWorld {
    FormWorld() : app(StarterLibrary()) {
        app.context.clock = [] { return kNow; };
        app.Doc().OnNewDocument();
        today = app.context.Today();
        CMainFrame& frame = app.MakeFrame();
        InstallFormView(frame);
        frame.resize(1000, 700);
        frame.Execute(ID_VIEW_FORM);
    }
    CFormView& View() { return *qobject_cast<CFormView*>(app.frame->ActiveView()); }
    const FormChartData& Data() { return View().Chart()->Data(); }
    const FormDay& Shown(int day) {
        return Data().series.at(static_cast<std::size_t>(day - Data().days.firstDay));
    }
    QStringList Facts() {
        QStringList lines;
        for (const FormLegendLine& line : View().Chart()->Texts().facts) lines << line.text;
        return lines;
    }
    void Add(int offset, std::uint32_t templateId, double duration, int averagePulse = 0,
             double planned = 0) {
        const double date = NoonOfDayNumber(today + offset);
        auto w = std::make_unique<CWorkOut>();
        w->date = date;
        w->templateId = templateId;
        w->sportId = 1;
        w->duration = duration;
        w->plannedDuration = planned;
        w->averagePulse = static_cast<std::uint8_t>(averagePulse);
        QVERIFY(edit::AddWorkout(app.Doc(), std::move(w), edit::InDateOrder(date)));
    }
    void SetMaximum(std::int32_t maximum) {
        AthleteProfile profile = app.Doc().Profile();
        profile.maxHeartRate = maximum;
        QVERIFY(edit::SetProfile(app.Doc(), profile));
    }

    AppFixture app;
    int today = 0;
};

}  // namespace

class FormViewTest : public QObject {
    Q_OBJECT

private slots:
    void switchesOnAndPagesByTheRangeUnit() {
        FormWorld w;
        CMainFrame& frame = *w.app.frame;
        QCOMPARE(frame.ActiveViewKind(), CMainFrame::ViewKind::Form);
        QVERIFY(frame.Action(ID_VIEW_FORM)->isChecked());
        QVERIFY(!frame.Action(ID_VIEW_DIARY)->isChecked());
        QVERIFY(frame.Action(ID_FORM_6_MONTHS)->isChecked());
        QCOMPARE(w.Data().days.firstDay, DayNumber(*NoonOfDay(2023, 12, 1)));
        QCOMPARE(w.Data().days.lastDay, DayNumber(*NoonOfDay(2024, 5, 31)));
        QCOMPARE(frame.Action(ID_PAGE_BACK)->text(), QStringLiteral("&Previous Month"));

        QVERIFY(frame.Execute(ID_PAGE_BACK));
        QCOMPARE(w.Data().days.firstDay, DayNumber(*NoonOfDay(2023, 11, 1)));
        QVERIFY(frame.Execute(ID_WEEK_FORWARD));  // the tool bar's button
        QVERIFY(frame.Execute(ID_WEEK_FORWARD));
        QCOMPARE(w.Data().days.firstDay, DayNumber(*NoonOfDay(2024, 1, 1)));
        QVERIFY(frame.Execute(ID_FORM_TODAY));
        QCOMPARE(w.Data().days.firstDay, DayNumber(*NoonOfDay(2023, 12, 1)));

        QVERIFY(frame.Execute(ID_FORM_6_WEEKS));
        QVERIFY(frame.Action(ID_FORM_6_WEEKS)->isChecked());
        QVERIFY(!frame.Action(ID_FORM_6_MONTHS)->isChecked());
        QCOMPARE(frame.Action(ID_PAGE_FORWARD)->text(), QStringLiteral("&Next Week"));
        QCOMPARE(w.Data().series.size(), std::size_t{42});

        QVERIFY(frame.SwitchToView(CMainFrame::ViewKind::Diary));
        QVERIFY(!frame.Execute(ID_PAGE_BACK));  // the form's commands left with it
    }

    void aPlanEditMovesTheProjectionAndUndoBringsItBack() {
        FormWorld w;
        w.SetMaximum(190);
        w.Add(-3, kTempoRun, 50, 160);
        w.Add(4, kTempoRun, 0, 0, 45);
        const int raceDay = w.today + 10;
        const FormDay before = w.Shown(raceDay);
        QVERIFY(w.Shown(w.today + 4).load > 0);
        QVERIFY(w.Shown(w.today + 4).projected);
        QVERIFY(!w.Shown(w.today - 3).projected);

        // The planned workout doubles: the projection after it rises.
        const CDatabase& log = w.app.Doc().Log();
        auto planned = std::prev(log.EndWorkouts());
        CWorkOut longer = **planned;
        longer.plannedDuration = 90;
        QVERIFY(edit::ReplaceWorkout(w.app.Doc(), planned, longer));
        QVERIFY(w.Shown(raceDay).fitness > before.fitness);
        FormSeries fresh;
        fresh.Compute(log, FormContextOf(w.app.Doc()));
        QCOMPARE(w.Shown(raceDay).fitness, fresh.At(raceDay).fitness);
        QCOMPARE(w.Shown(raceDay).form, fresh.At(raceDay).form);

        w.app.Doc().Undo();
        QCOMPARE(w.Shown(raceDay).fitness, before.fitness);
        QCOMPARE(w.Shown(raceDay).form, before.form);
        w.app.Doc().Redo();
        QCOMPARE(w.Shown(raceDay).fitness, fresh.At(raceDay).fitness);
    }

    void theLegendSaysWhatCannotBeRated() {
        FormWorld w;
        // No maximum in the profile: relative targets rate nothing.
        QVERIFY(w.Facts().contains(QStringLiteral(
            "Your athlete profile has no maximum heart rate: enter it under Diary \u203a Athlete "
            "Profile")));
        w.Add(-2, kTechniqueSwim, 40);
        w.Add(-1, kTechniqueSwim, 30);
        const QString rest = QStringLiteral(
            " no heart rate: enter target heart rates in the library or an average heart rate");
        QVERIFY(w.Facts().contains(QStringLiteral("2 workouts have") + rest));
        w.SetMaximum(190);
        QVERIFY(!w.Facts().join(QLatin1Char('\n')).contains(QStringLiteral("profile")));
        QVERIFY(edit::RemoveWorkout(w.app.Doc(), w.app.Doc().Log().BeginWorkouts()));
        QVERIFY(w.Facts().contains(QStringLiteral("1 workout has") + rest));
    }

    void theLegendNamesTheNextEvent() {
        FormWorld w;
        w.SetMaximum(190);
        w.Add(-1, kTempoRun, 60, 165);
        const int today = w.today;
        auto event = [today](int first, int last, std::int32_t kind) {
            CEvent e;
            e.start = {CalendarDateTime::kValid, NoonOfDayNumber(today + first)};
            e.end = {CalendarDateTime::kValid, NoonOfDayNumber(today + last)};
            e.kind = kind;
            return e;
        };
        QVERIFY(edit::SetEvents(w.app.Doc(), {event(-5, 1, 4), event(20, 30, kRacePreparation),
                                               event(8, 9, 3)}));
        const long form = std::lround(w.View().Series().At(w.today + 8).form);
        QVERIFY(w.Facts().contains(
            QStringLiteral("Next: Business trip from 09.03.2024, form %1 on its first day").arg(form)));
        QCOMPARE(w.Data().bands.size(), std::size_t{3});
    }

    void printsOnePage() {
        FormWorld w;
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("form.pdf")));
        QVERIFY(w.View().PrintTo(printer));
        QFile pdf(printer.outputFileName());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);
    }

    void aScreenReaderReadsTheDaysAsATable() {
        FormWorld w;
        w.SetMaximum(190);
        w.Add(-1, kTempoRun, 60, 165);
        w.Add(2, kTempoRun, 0, 0, 40);
        QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(w.View().Chart());
        QVERIFY(chart);
        QAccessibleTableInterface* table = chart->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), w.Data().days.Count());
        QCOMPARE(table->columnCount(), 5);
        QCOMPARE(table->columnDescription(3), QStringLiteral("Fatigue"));
        const FormSeries& series = w.View().Series();
        for (int day : {w.today - 1, w.today, w.today + 2, w.today + 30}) {
            const int row = day - w.Data().days.firstDay;
            const FormDay figures = series.At(day);
            const double expected[] = {figures.load, figures.fitness, figures.fatigue, figures.form};
            for (int column = 1; column <= 4; ++column)
                QCOMPARE(table->cellAt(row, column)->text(QAccessible::Name),
                         QString::number(std::lround(expected[column - 1])));
        }
        QCOMPARE(table->cellAt(w.today - w.Data().days.firstDay, 0)->text(QAccessible::Name),
                 QStringLiteral("01.03.2024"));
        QCOMPARE(chart->text(QAccessible::Name), QStringLiteral("Training load and form"));
        const FormFigures now = RoundedFigures(series.At(w.today));
        QCOMPARE(chart->text(QAccessible::Description),
                 QStringLiteral("From 01.12.2023 to 31.05.2024. Today: fitness %1, fatigue %2, form %3")
                     .arg(now.fitness)
                     .arg(now.fatigue)
                     .arg(now.form));
    }
};

QTEST_MAIN(FormViewTest)
#include "FormViewTest.moc"
