#pragma once

namespace kadenzo {

class CMainFrame;

// Makes the frame's command open the calendar events (32832).
void InstallEvents(CMainFrame& frame);

}  // namespace kadenzo
