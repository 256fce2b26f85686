#pragma once

namespace kadenzo {

class CMainFrame;

// Makes the frame create diary views (CKadenzoView) for its document and, when
// the diary is the active view, puts one in place right away.
void InstallDiaryView(CMainFrame& frame);

}  // namespace kadenzo
