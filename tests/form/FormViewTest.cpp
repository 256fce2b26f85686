// The form view in the frame: a plan edit that moves the projection, as the
// chart and a screen reader show it, and its undo; the printed page. Which
// figures the legend states is the legend facts' rule, tested with the series.
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
        const FormDay f = fresh.At(w.today + 4);
        const double figures[] = {f.load, f.fitness, f.fatigue, f.form};
        for (int column = 1; column <= 4; ++column)
            QCOMPARE(table->cellAt(row, column)->text(QAccessible::Name),
                     QString::number(std::lround(figures[column - 1])));
        QCOMPARE(table->cellAt(row, 0)->text(QAccessible::Name), QStringLiteral("05.03.2024"));

        w.app.Doc().Undo();
        QCOMPARE(w.Shown(raceDay).form, before.form);
        w.app.Doc().Redo();
        QCOMPARE(w.Shown(raceDay).form, fresh.At(raceDay).form);
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
