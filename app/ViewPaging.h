#pragma once

#include <QString>
#include <functional>

namespace kadenzo {

class CMainFrame;

// Back and Forward of a view that pages through time (the analysis, the form
// chart): the diary's week buttons on the tool bar page it as its menu's
// Back and Forward do, and both say how far they page.

// Makes the week buttons run `page` with the menu's paging command while
// `enabled` says so.
void RegisterPagingButtons(CMainFrame& frame, const std::function<void(int)>& page,
                           const std::function<bool()>& enabled);

// Names the paging commands and the buttons after `pagingText` (a paging
// command's menu text; empty leaves the command as it is).
void UpdatePagingTexts(CMainFrame& frame, const std::function<QString(int)>& pagingText);

}  // namespace kadenzo
