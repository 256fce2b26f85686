#pragma once

class QPrinter;

namespace kadenzo {

class CMainFrame;

// Adds the form view (CFormView, command 32792) to the frame with its menus;
// the ranges are a radio group. Views print with `printer` when one is given.
void InstallFormView(CMainFrame& frame, QPrinter* printer = nullptr);

}  // namespace kadenzo
