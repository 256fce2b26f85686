#pragma once

class QSettings;

namespace kadenzo {

class CMainFrame;
class UserDialogs;

// Puts the workout editor, the body data dialog and the template chooser in
// the frame's editing hooks and makes the library browser command (32774)
// work: the browser is a window of the frame that follows the library. The
// recording import keeps its last folder in `settings`; questions and file
// choosers go through `dialogs`. Both outlive the frame.
void InstallWorkoutEditor(CMainFrame& frame, QSettings& settings, UserDialogs& dialogs);

}  // namespace kadenzo
