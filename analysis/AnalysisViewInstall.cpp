#include "AnalysisViewInstall.h"

#include <QAction>
#include <QActionGroup>
#include <memory>
#include <vector>

#include "AnalysisView.h"
#include "AppContext.h"
#include "KadenzoDoc.h"
#include "DocumentController.h"
#include "MainFrame.h"
#include "ResourceIds.h"
#include "SportStatisticsDialog.h"
#include "StatisticsList.h"

namespace kadenzo {
namespace {

// The actions of a radio group show round marks and only one of them is on;
// which one follows the commands' checked state.
QActionGroup* MakeRadioGroup(CMainFrame& frame, const std::vector<int>& ids) {
    auto* group = new QActionGroup(&frame);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int id : ids) {
        frame.Action(id)->setCheckable(true);
        group->addAction(frame.Action(id));
    }
    return group;
}

std::vector<int> IdsFrom(int first, int last) {
    std::vector<int> ids;
    for (int id = first; id <= last; ++id) ids.push_back(id);
    return ids;
}

}  // namespace

void InstallAnalysisView(CMainFrame& frame, QPrinter* printer) {
    const AppContext& context = frame.Document().Doc().Context();
    const UnitSettings& units = context.units;
    auto today = [&context] { return context.Today(); };
    auto factory = [printer, &units, today](CMainFrame& f) -> QWidget* {
        auto* view = new CAnalysisView(f.Document().Doc(), units, today);
        view->SetPrinter(printer);
        view->RegisterCommands(f);
        return view;
    };
    frame.SetViewFactory(CMainFrame::ViewKind::Analysis, factory);

    MakeRadioGroup(frame, {ID_VIEW_DIARY, ID_VIEW_ANALYSIS});
    MakeRadioGroup(frame, {ID_ANALYSIS_DISTANCE, ID_ANALYSIS_DURATION});
    MakeRadioGroup(frame, IdsFrom(ID_LAYER_NONE, ID_LAYER_CATEGORY));
    MakeRadioGroup(frame, IdsFrom(ID_RANGE_7_DAYS, ID_RANGE_5_YEARS));
    std::vector<int> charts = {ID_CHART_BY_CATEGORY, ID_CHART_TOTALS, ID_CHART_BY_SPORT};
    for (int index = 1; frame.SportIdForMenuItem(index) != 0; ++index)
        charts.push_back(ID_SPORT_MENU_FIRST + index - 1);
    MakeRadioGroup(frame, charts);

    // The sort order of the statistics lists lasts as long as the frame.
    auto sorts = std::make_shared<StatisticsSortStates>();
    frame.SetCommand(ID_SPORT_STATISTICS, {[&frame, &units, sorts, today] {
                                               CSportStatisticsDialog dialog(frame.Document().Doc(),
                                                                             units, *sorts, today(),
                                                                             &frame);
                                               dialog.exec();
                                           },
                                           {},
                                           {}});

    if (frame.ActiveViewKind() == CMainFrame::ViewKind::Analysis) {
        frame.setCentralWidget(factory(frame));
        frame.UpdateCommandUi();
    }
}

}  // namespace kadenzo
