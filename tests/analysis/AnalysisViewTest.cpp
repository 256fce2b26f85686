// The analysis view on a document: when it sums again. Which commands keep a
// manual scale is the view state's rule; the journeys read the sums.
#include <QTest>

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
        world.Add(kToday - 1, 18, kEasyRun, 90, 15);  // this week
        document = std::make_unique<CKadenzoDoc>(context);
        document->SetContents(world.Contents());
        view = std::make_unique<CAnalysisView>(*document, units, [] { return kToday; });
        view->resize(800, 600);
        view->show();
    }
    // The newest period's first bar.
    double Newest() const { return view->Chart()->Content().CellAt(3, 0, 0).value; }

    AnalysisWorld world;
    AppContext context;
    UnitSettings units;
    std::unique_ptr<CKadenzoDoc> document;
    std::unique_ptr<CAnalysisView> view;
};

}  // namespace

class AnalysisViewTest : public QObject {
    Q_OBJECT

private slots:
    void sumsAgainWhenTheDocumentOrTheUnitsChangeButNotWhenPainting() {
        ViewWorld w;
        auto ride = std::make_unique<CWorkOut>();
        ride->templateId = kLongRide;
        ride->sportId = kCycling;
        ride->duration = 120;  // endurance as well
        edit::AddWorkout(*w.document, std::move(ride), edit::InDateOrder(kToday + 7 / 24.0));
        QCOMPARE(w.Newest(), 3.5);
        QVERIFY(w.view->OnCommand(ID_ANALYSIS_DISTANCE));
        QCOMPARE(w.Newest(), 15.0);
        w.units.distance = 1;
        w.view->repaint();
        QCOMPARE(w.Newest(), 15.0);
        // The units dialog tells the settings' observers.
        w.context.settings.Notify({SettingsChange::kUnits});
        QCOMPARE(w.Newest(), 15 * 0.621);
        w.document->OnNewDocument();  // the whole log replaced
        QCOMPARE(w.view->Chart()->Content().Layers(), 0);
    }
};

QTEST_MAIN(AnalysisViewTest)
#include "AnalysisViewTest.moc"
