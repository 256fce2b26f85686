#pragma once

class QPrinter;
class QSettings;

namespace kadenzo {

class CMainFrame;

// Adds the form view (CFormView, command 32792) to the frame with its menus;
// the ranges are a radio group. Views print with `printer` when one is given.
// The race category is kept in `settings` and chosen in the Range menu; no
// settings: the library's default, with no choice offered.
void InstallFormView(CMainFrame& frame, QPrinter* printer = nullptr, QSettings* settings = nullptr);

}  // namespace kadenzo
