#pragma once

class QPrinter;

namespace kadenzo {

class CMainFrame;
struct UnitSettings;

// Makes the frame create analysis views (CAnalysisView) for its document,
// turns the view pair and the analysis menu's groups into radio groups, and
// opens the sport statistics (command 32781). Views print with `printer`
// when one is given and show distances in `units`, the application's live
// setting.
void InstallAnalysisView(CMainFrame& frame, QPrinter* printer, const UnitSettings& units);

}  // namespace kadenzo
