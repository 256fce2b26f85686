// The form view in the frame: a plan edit that moves the projection, as the
// chart and a screen reader show it, and its undo; the table walked by keys
// and the legend a screen reader reads; the race category from the settings
// and the menu; the printed page. Which figures the legend states is the
// legend facts' rule, tested with the series.
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <cmath>

#include "DateTime.h"
#include "DocumentEdits.h"
#include "FormChart.h"
#include "FormLegendPanel.h"
#include "FormRaces.h"
#include "FormView.h"
#include "FormViewInstall.h"
#include "ResourceIds.h"
#include "TestSupport.h"

using namespace kadenzo;

namespace {

constexpr std::time_t kNow = 1709294400;  // Friday 1 March 2024, 12:00 UTC
constexpr std::uint32_t kTempoRun = 3;    // starter library: 80-88 % of the maximum
constexpr std::uint32_t kRace = 13;       // starter library: of the category Race (6)

struct FormWorld {
    FormWorld() : app(StarterLibrary()) {
        app.context.clock = [] { return kNow; };
        app.Doc().OnNewDocument();
        today = app.context.Today();
        CMainFrame& frame = app.MakeFrame();
        InstallFormView(frame, nullptr, app.settings.get());
        frame.resize(1000, 700);
        frame.Execute(ID_VIEW_FORM);
    }
    CFormView& View() { return *qobject_cast<CFormView*>(app.frame->ActiveView()); }
    const FormChartData& Data() { return View().Chart()->Data(); }
    const FormDay& Shown(int day) {
        return Data().series.at(static_cast<std::size_t>(day - Data().days.firstDay));
    }
    void Add(int offset, std::uint32_t templateId, double duration, int averagePulse = 0,
             double planned = 0, const std::string& planNote = {}) {
        const double date = NoonOfDayNumber(today + offset);
        auto w = std::make_unique<CWorkOut>();
        w->date = date;
        w->templateId = templateId;
        w->sportId = 1;
        w->duration = duration;
        w->plannedDuration = planned;
        w->averagePulse = static_cast<std::uint8_t>(averagePulse);
        w->planNote = planNote;
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
    // The chart and the table a screen reader reads (a row per day: its date,
    // then load, fitness, fatigue and form rounded) follow a plan edit, its
    // undo and its redo.
    void aPlanEditMovesTheProjectionAndUndoBringsItBack() {
        FormWorld w;
        w.SetMaximum(190);
        w.Add(-3, kTempoRun, 50, 160);
        w.Add(4, kTempoRun, 0, 0, 45);
        const int raceDay = w.today + 10;
        const FormDay before = w.Shown(raceDay);
        QVERIFY(w.Shown(w.today + 4).projected);

        // The planned workout doubles: the projection after it rises.
        const CDatabase& log = w.app.Doc().Log();
        auto planned = std::prev(log.EndWorkouts());
        CWorkOut longer = **planned;
        longer.plannedDuration = 90;
        QVERIFY(edit::ReplaceWorkout(w.app.Doc(), planned, longer));
        QVERIFY(w.Shown(raceDay).fitness > before.fitness);
        FormSeries fresh;
        fresh.Compute(log, FormContextOf(w.app.Doc()));
        QCOMPARE(w.Shown(raceDay).form, fresh.At(raceDay).form);
        QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(w.View().Chart());
        QAccessibleTableInterface* table = chart->tableInterface();
        QCOMPARE(table->rowCount(), w.Data().days.Count());
        const int row = w.today + 4 - w.Data().days.firstDay;
        const FormFigures f = RoundedFigures(fresh.At(w.today + 4));
        const long figures[] = {f.load, f.fitness, f.fatigue, f.form};
        for (int column = 1; column <= 4; ++column)
            QCOMPARE(table->cellAt(row, column)->text(QAccessible::Name),
                     QString::number(figures[column - 1]));
        QCOMPARE(table->cellAt(row, 0)->text(QAccessible::Name), QStringLiteral("05.03.2024"));

        w.app.Doc().Undo();
        QCOMPARE(w.Shown(raceDay).form, before.form);
        w.app.Doc().Redo();
        QCOMPARE(w.Shown(raceDay).form, fresh.At(raceDay).form);
    }

    // The chart takes the focus on today's form and the arrows walk it as a
    // table: each move reports the cell focused, with its row's date and its
    // column's name as header cells, and the status line names the day.
    void theTableIsWalkedByKeysWithItsHeaders() {
        FormWorld w;
        w.SetMaximum(190);
        w.Add(-3, kTempoRun, 50, 160);
        w.Add(4, kRace, 0, 0, 60, "Club 10 km\nflat");
        w.app.frame->show();
        w.app.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.app.frame.get()));
        CFormChart* chart = w.View().Chart();
        chart->setFocus();
        QVERIFY(chart->hasFocus());
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(chart);
        const auto focused = [&] {
            QAccessibleInterface* cell = table->focusChild();
            QAccessibleTableCellInterface* place = cell ? cell->tableCellInterface() : nullptr;
            if (!place || !cell->state().focused) return QStringList();
            return QStringList{place->rowHeaderCells().value(0)->text(QAccessible::Name),
                               place->columnHeaderCells().value(0)->text(QAccessible::Name),
                               cell->text(QAccessible::Name)};
        };
        const FormDay race = w.View().Series().At(w.today + 4);
        struct Step {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            QStringList cell;  // date, column, text
        } const steps[] = {
            {Qt::Key_Down,
             {},
             {"02.03.2024", "Form", QString::number(RoundedFigures(w.Shown(w.today + 1)).form)}},
            {Qt::Key_Down,
             {},
             {"03.03.2024", "Form", QString::number(RoundedFigures(w.Shown(w.today + 2)).form)}},
            {Qt::Key_Down,
             {},
             {"04.03.2024", "Form", QString::number(RoundedFigures(w.Shown(w.today + 3)).form)}},
            {Qt::Key_Down, {}, {"05.03.2024", "Form", QString::number(RoundedFigures(race).form)}},
            {Qt::Key_Left,
             {},
             {"05.03.2024", "Fatigue", QString::number(std::lround(race.fatigue))}},
            {Qt::Key_Left,
             {},
             {"05.03.2024", "Fitness", QString::number(std::lround(race.fitness))}},
            {Qt::Key_Left, {}, {"05.03.2024", "Load", QString::number(std::lround(race.load))}},
            {Qt::Key_Left, {}, {"05.03.2024", "Date", "05.03.2024"}},
            {Qt::Key_Left, {}, {"05.03.2024", "Date", "05.03.2024"}},  // stays in the table
            {Qt::Key_Home, Qt::ControlModifier, {"15.01.2024", "Date", "15.01.2024"}},
            {Qt::Key_Up, {}, {"15.01.2024", "Date", "15.01.2024"}},
            {Qt::Key_End, {}, {"15.01.2024", "Form", QString::number(RoundedFigures(w.Shown(w.Data().days.firstDay)).form)}},
            // As in Qt's tables: Control with End is the last row's last cell,
            // past the plan's end, without a figure.
            {Qt::Key_End, Qt::ControlModifier, {"10.03.2024", "Form", QString()}},
        };
        QCOMPARE(focused(), (QStringList{"01.03.2024", "Form",
                                         QString::number(RoundedFigures(w.Shown(w.today)).form)}));
        for (const Step& step : steps) {
            QTest::keyClick(chart, step.key, step.modifiers);
            QCOMPARE(focused(), step.cell);
        }
        // Past the plan's end nothing is projected: the day has no figures.
        QCOMPARE(w.app.frame->statusBar()->currentMessage(),
                 QStringLiteral("10.03.2024 \u2013 warming up"));
        QCOMPARE(
            table->tableInterface()->cellAt(w.Data().days.Count() - 1, 4)->text(QAccessible::Name),
            QString());

        // The legend leads with the race, its morning's figures adding up.
        const FormMorningFigures morning =
            RoundedMorning(MorningOf(w.View().Series(), w.today + 4));
        const QString raceLine = w.View().Legend()->Facts().at(0)->text();
        QCOMPARE(raceLine, QStringLiteral("Next race: Club 10 km on 05.03.2024, form that morning "
                                          "%1 = fitness %2 – fatigue %3")
                               .arg(morning.form)
                               .arg(morning.fitness)
                               .arg(morning.fatigue));
        // The race's row in the table reads the same form as the legend.
        QCOMPARE(table->tableInterface()
                     ->cellAt(w.today + 4 - w.Data().days.firstDay, 4)
                     ->text(QAccessible::Name),
                 QString::number(morning.form));
        QVERIFY(chart->accessibleDescription().endsWith(raceLine));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.View().Legend()->Facts().at(0))
                     ->text(QAccessible::Name),
                 raceLine);
    }

    // No races in the settings: no flag, no race line, a hint where to
    // choose; the submenu offers the library's categories and takes one.
    void theRaceCategoryIsTheSettingsChoice() {
        FormWorld w;
        w.Add(3, kRace, 0, 0, 60);
        QCOMPARE(w.Data().races.size(), std::size_t{1});
        QVERIFY(w.app.frame->Execute(ID_FORM_NO_RACES));
        QCOMPARE(w.app.settings->value("Form/RaceCategory").toString(), QStringLiteral("none"));
        QVERIFY(w.Data().races.empty());
        QStringList facts;
        for (const CFormLegendLabel* label : w.View().Legend()->Facts()) facts << label->text();
        QVERIFY(!facts.first().startsWith("Next race"));
        QVERIFY(
            facts.contains("No races are marked: choose a race category under Range › Race "
                           "Category"));

        auto* menu = w.app.frame->findChild<QMenu*>(QStringLiteral("RaceCategoryMenu"));
        QVERIFY(menu);
        emit menu->aboutToShow();
        QStringList offered;
        QAction* race = nullptr;
        for (QAction* action : menu->actions()) {
            offered << action->text();
            if (action->text() == "Race") race = action;
        }
        QCOMPARE(offered.size(), 1 + static_cast<int>(w.app.Doc().Library().categories.size()));
        QVERIFY(race && !race->isChecked());
        race->trigger();
        QCOMPARE(w.app.settings->value("Form/RaceCategory").toString(), QStringLiteral("6"));
        QCOMPARE(w.Data().races.size(), std::size_t{1});
        QCOMPARE(w.View().Legend()->Facts().at(0)->text().left(10), QStringLiteral("Next race:"));
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
};

QTEST_MAIN(FormViewTest)
#include "FormViewTest.moc"
