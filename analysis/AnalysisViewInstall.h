#pragma once

class QPrinter;

namespace kadenzo {

class CMainFrame;

// Adds the analysis view (CAnalysisView, command 32791) to the frame with its
// menus and the sports menu in them, turns the analysis menu's groups into
// radio groups, and opens the sport statistics (command 32781). Views print with `printer`
// when one is given and take the units and today from the document's context.
void InstallAnalysisView(CMainFrame& frame, QPrinter* printer = nullptr);

}  // namespace kadenzo
