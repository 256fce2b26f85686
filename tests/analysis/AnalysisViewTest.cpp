// The analysis view on a document: what it sums, when it sums again, the
// scale, the wheel, the unit setting and its printed page.
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
