#pragma once

class QSettings;

namespace kadenzo {

class CMainFrame;
class UserDialogs;

// Puts the workout editor in the frame's editing hooks. Its set-up page
// chooses templates with the frame's template chooser. The recording import
// keeps its last folder in `settings`; questions and file choosers go through
// `dialogs`. Both outlive the frame.
void InstallWorkoutEditor(CMainFrame& frame, QSettings& settings, UserDialogs& dialogs);

}  // namespace kadenzo
