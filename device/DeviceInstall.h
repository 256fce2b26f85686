#pragma once

#include <QSettings>
#include <functional>
#include <string>
#include <vector>

namespace kadenzo {

class CMainFrame;
class UserDialogs;

// Makes File › Import from Device... (32930) work and has the program notice
// new activities: a watch plugged in or a file in an import folder shows a
// notice in the main window, whose Import button opens the import window on
// that folder. An import that adds a template writes the library to
// libraryFilePath, as the library editor does. `volumes` lists the mounted
// volumes to look at (by default the machine's own, DeviceVolumes).
void InstallDeviceImport(CMainFrame& frame, QSettings& settings, UserDialogs& dialogs,
                         std::string libraryFilePath,
                         std::function<std::vector<std::string>()> volumes = {});

}  // namespace kadenzo
