#pragma once

class QPrinter;

namespace kadenzo {

class CMainFrame;

// Makes the frame create form views (CFormView) for its document and joins
// them to the radio pair of the views; the ranges are a radio group. Views
// print with `printer` when one is given.
void InstallFormView(CMainFrame& frame, QPrinter* printer = nullptr);

}  // namespace kadenzo
