#pragma once

namespace kadenzo {

class CMainFrame;
class UserDialogs;

// Puts the body data dialog in the frame's editing hooks: a day's weight,
// body fat, resting heart rate and note. Messages go through `dialogs`,
// which outlives the frame. (The athlete profile opens through the message
// boxes, InstallProfileDialog, since the document asks for it while it opens.)
void InstallBodyData(CMainFrame& frame, UserDialogs& dialogs);

}  // namespace kadenzo
