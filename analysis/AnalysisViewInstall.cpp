#include "AnalysisViewInstall.h"

#include <QAction>
#include <QMenu>
#include <memory>
#include <vector>

#include "AnalysisView.h"
#include "AppContext.h"
#include "DocumentController.h"
#include "KadenzoDoc.h"
#include "MainFrame.h"
#include "ResourceIds.h"
#include "SportStatisticsDialog.h"
#include "SportsMenu.h"
#include "StatisticsList.h"
#include "Texts.h"

namespace kadenzo {
namespace {

// The Chart menu's submenu of the sports with sub-sports, by the library at
// start-up; returns the sport of each item from the first.
std::vector<std::uint32_t> AddSportsMenu(CMainFrame& frame, QMenu* chartMenu) {
    std::vector<std::uint32_t> sportIds;
    const std::vector<SportMenuEntry> entries = SportsMenuEntries(frame.Document().Doc().Library());
    if (entries.empty() || !chartMenu) return sportIds;
    QMenu* sports = chartMenu->addMenu(frame.Module().QText(IDS_COL_SUBSPORT));
    sports->setObjectName(QStringLiteral("SportsMenu"));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        QAction* action = frame.Action(ID_SPORT_MENU_FIRST + static_cast<int>(i));
        action->setText(FromBytes(entries[i].name));
        sports->addAction(action);
        sportIds.push_back(entries[i].sportId);
    }
    return sportIds;
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
    auto sportMenu = std::make_shared<std::vector<std::uint32_t>>();
    auto factory = [printer, &units, today, sportMenu](CMainFrame& f) -> QWidget* {
        auto* view = new CAnalysisView(f.Document().Doc(), units, today);
        view->SetPrinter(printer);
        view->RegisterCommands(f, *sportMenu);
        return view;
    };
    const std::vector<QMenu*> menus =
        frame.AddView({ID_VIEW_ANALYSIS, IDR_ANALYSIS_MENU, {}, factory});
    *sportMenu = AddSportsMenu(frame, menus.size() > 2 ? menus[2] : nullptr);

    frame.MakeExclusive({ID_ANALYSIS_DISTANCE, ID_ANALYSIS_DURATION});
    frame.MakeExclusive(IdsFrom(ID_LAYER_NONE, ID_LAYER_CATEGORY));
    frame.MakeExclusive(IdsFrom(ID_RANGE_7_DAYS, ID_RANGE_5_YEARS));
    std::vector<int> charts = {ID_CHART_BY_CATEGORY, ID_CHART_TOTALS, ID_CHART_BY_SPORT};
    for (std::size_t i = 0; i < sportMenu->size(); ++i)
        charts.push_back(ID_SPORT_MENU_FIRST + static_cast<int>(i));
    frame.MakeExclusive(charts);

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
}

}  // namespace kadenzo
