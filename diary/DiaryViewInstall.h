#pragma once

class QPrinter;

namespace kadenzo {

class CMainFrame;

// Makes the frame create diary views (CKadenzoView) for its document and, when
// the diary is the active view, puts one in place right away. Views print with
// `printer` (the application's page set-up) when one is given.
void InstallDiaryView(CMainFrame& frame, QPrinter* printer = nullptr);

}  // namespace kadenzo
