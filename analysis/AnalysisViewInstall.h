#pragma once

class QPrinter;

namespace kadenzo {

class CMainFrame;

// Makes the frame create analysis views (CAnalysisView) for its document,
// turns the view pair and the analysis menu's groups into radio groups, and
// opens the sport statistics (command 32781). Views print with `printer`
// when one is given and take the units and today from the document's context.
void InstallAnalysisView(CMainFrame& frame, QPrinter* printer = nullptr);

}  // namespace kadenzo
