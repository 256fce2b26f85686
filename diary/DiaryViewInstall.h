#pragma once

class QPrinter;

namespace kadenzo {

class CMainFrame;

// Adds the diary view (CDiaryView, command 32790) to the frame with its
// menus; added first, it is the view the program starts with. Views print
// with `printer` (the application's page set-up) when one is given.
void InstallDiaryView(CMainFrame& frame, QPrinter* printer = nullptr);

}  // namespace kadenzo
