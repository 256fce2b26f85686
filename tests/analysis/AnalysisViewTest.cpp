// The analysis view on a document: what it sums, when it sums again, the
// scale, the wheel, the unit setting and its printed page.
#include <QAccessible>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "AnalysisChart.h"
#include "AnalysisFixture.h"
#include "AnalysisView.h"
#include "AppContext.h"
#include "DocumentEdits.h"
#include "KadenzoDoc.h"

using namespace kadenzo;
using namespace kadenzo::test;

namespace {

const int kToday = Day(2024, 3, 13);  // a Wednesday

struct ViewWorld {
    ViewWorld() {
        world.Add(kToday - 1, 18, kEasyRun, 90, 15);   // this week
        world.Add(kToday - 9, 7, kIntervals, 60, 12);  // last week
        document = std::make_unique<CKadenzoDoc>(context);
        document->SetContents(world.Contents());
        view = std::make_unique<CAnalysisView>(*document, units, [] { return kToday; });
        view->resize(800, 600);
        view->show();
    }
    const ChartContent& Content() const { return view->Chart()->Content(); }

    AnalysisWorld world;
    AppContext context;
    UnitSettings units;
    std::unique_ptr<CKadenzoDoc> document;
    std::unique_ptr<CAnalysisView> view;
};

// The prompts of the chart's commands and the choices' sentence.
class ChoiceTexts : public StringTable {
public:
    std::string Text(std::uint32_t id) const override {
        switch (id) {
            case ID_ANALYSIS_DURATION:
                return "Chart the duration\nDuration";
            case ID_CHART_BY_CATEGORY:
                return "One bar per category\nBy category";
            case ID_CHART_TOTALS:
                return "One bar with the total\nTotals";
            case ID_LAYER_NONE:
                return "Do not split the bars\nNo split";
            case ID_RANGE_4_WEEKS:
                return "Chart 4 weeks\n4 weeks";
            case IDS_A11Y_CHART_CHOICES:
                return "%s, %s, %s, %s from %s to %s";
            case IDS_A11Y_TOTAL_BAR:
                return "Total";
            default:
                return {};
        }
    }
};

void Wheel(QWidget& widget, int delta) {
    QWheelEvent event(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&widget, &event);
}

}  // namespace

class AnalysisViewTest : public QObject {
    Q_OBJECT

private slots:
    void sumsTheLastFourWeeksByCategory() {
        ViewWorld w;
        const ChartContent& content = w.Content();
        QCOMPARE(content.Periods(), 4);
        QCOMPARE(content.Slots(), 15);
        QCOMPARE(content.SlotAt(0).label, std::string("Endurance"));
        QCOMPARE(content.CellAt(3, 0, 0).value, 1.5);
        QCOMPARE(content.CellAt(2, 1, 0).value, 1.0);
        QCOMPARE(w.view->Chart()->geometry(), QRect(20, 20, 760, 560));
    }

    void sumsAgainWhenTheDocumentChanges() {
        ViewWorld w;
        auto ride = std::make_unique<CWorkOut>();
        ride->templateId = kLongRide;
        ride->sportId = kCycling;
        ride->duration = 120;  // endurance as well
        edit::AddWorkout(*w.document, std::move(ride), edit::InDateOrder(kToday + 7 / 24.0));
        QCOMPARE(w.Content().CellAt(3, 0, 0).value, 3.5);
        w.document->OnNewDocument();  // the whole log replaced
        QCOMPARE(w.Content().Layers(), 0);
    }

    void commandsKeepOrResetTheScale() {
        ViewWorld w;
        const ScaleValues automatic = w.view->CurrentScaleValues();
        QVERIFY(automatic.automatic);
        QVERIFY(automatic.divisions > 0);  // as the chart works it out
        w.view->ApplyScale({false, 5, "km", 2.0});
        QCOMPARE(w.view->Chart()->GetScale().divisions, 5);
        QVERIFY(w.view->OnCommand(ID_LAYER_SPORT));
        QVERIFY(!w.view->Chart()->GetScale().automatic);
        QCOMPARE(w.view->CurrentScaleValues().text, std::string("km"));
        QVERIFY(w.view->OnCommand(ID_ANALYSIS_DISTANCE));
        QVERIFY(w.view->Chart()->GetScale().automatic);
        QVERIFY(!w.view->OnCommand(ID_WEEK_FORWARD));  // a diary command
    }

    void wheelPagesByTheRangeUnit() {
        ViewWorld w;
        Wheel(*w.view, 120);
        QCOMPARE(w.view->State().Choice().referenceDay, kToday - 7);
        Wheel(*w.view, 20);
        Wheel(*w.view, 0);
        QCOMPARE(w.view->State().Choice().referenceDay, kToday - 7);
        QCOMPARE(w.Content().SlotAt(0).label, std::string("Speed"));  // last week is the newest
        QCOMPARE(w.Content().CellAt(3, 0, 0).value, 1.0);
        Wheel(*w.view, -120);
        QCOMPARE(w.view->State().Choice().referenceDay, kToday);
    }

    void followsTheUnitSettingWhenToldAndPaintingChangesNothing() {
        ViewWorld w;
        w.view->OnCommand(ID_ANALYSIS_DISTANCE);
        QCOMPARE(w.Content().CellAt(3, 0, 0).value, 15.0);
        QVERIFY(QTest::qWaitForWindowExposed(w.view.get()));
        const std::vector<ChartRect> faces = w.view->Chart()->HitRects();
        QVERIFY(faces.at(w.Content().CellIndex(3, 0, 0)).Height() > 0);
        w.units.distance = 1;
        w.view->repaint();
        w.view->repaint();
        QCOMPARE(w.Content().CellAt(3, 0, 0).value, 15.0);
        QVERIFY(w.view->Chart()->HitRects() == faces);
        // The units dialog tells the settings' observers.
        w.context.settings.Notify({SettingsChange::kUnits});
        QCOMPARE(w.Content().CellAt(3, 0, 0).value, 15 * 0.621);
        QVERIFY(w.view->Chart()->HitRects() != faces);  // a new scale, bars laid out anew
    }

    // Assistive technology reads the sums as a table of periods by bars and
    // hears the choices; a rebuilt chart answers with its new sums.
    void readsAsATableOfPeriodsAndBars() {
        ChoiceTexts texts;
        ViewWorld w;
        w.context.strings = &texts;
        w.view->Rebuild();
        CAnalysisChart* chart = w.view->Chart();
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(chart);
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(table->text(QAccessible::Description),
                 QStringLiteral("Duration, By category, No split, 4 weeks from 19.02.2024 to 17.03.2024"));
        QAccessibleTableInterface* cells = table->tableInterface();
        QCOMPARE(cells->rowCount(), 4);
        QCOMPARE(cells->columnCount(), 2);  // endurance and speed of the 15 slots
        QAccessibleTableCellInterface* cell = cells->cellAt(3, 0)->tableCellInterface();
        QCOMPARE(cell->columnHeaderCells().front()->text(QAccessible::Name), QStringLiteral("Endurance"));
        QCOMPARE(cell->rowHeaderCells().front()->text(QAccessible::Name),
                 QString::fromStdString(w.Content().PeriodLabel(3)));
        for (const auto& [row, column] : {std::pair{3, 0}, std::pair{2, 1}, std::pair{0, 0}})
            QCOMPARE(cells->cellAt(row, column)->text(QAccessible::Name),
                     chart->FormatValue(w.Content().ColumnSum(row, column)));
        QCOMPARE(table->indexOfChild(cells->cellAt(2, 1)), 2 * 2 + 1);

        QVERIFY(w.view->OnCommand(ID_CHART_TOTALS));
        QCOMPARE(cells->columnCount(), 1);
        QCOMPARE(cells->columnDescription(0), QStringLiteral("Total"));
        QCOMPARE(cells->cellAt(3, 0)->text(QAccessible::Name), chart->FormatValue(1.5));
        QVERIFY(table->text(QAccessible::Description).startsWith(QStringLiteral("Duration, Totals,")));
    }

    void printsOnePage() {
        ViewWorld w;
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("chart.pdf")));
        QVERIFY(w.view->PrintTo(printer));
        QFile pdf(printer.outputFileName());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);
    }
};

QTEST_MAIN(AnalysisViewTest)
#include "AnalysisViewTest.moc"
