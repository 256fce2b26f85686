#pragma once

#include <QString>

namespace kadenzo {

// Opens a web address or a local file with the desktop's handler, as the
// shell's "open" did. Only http and https addresses and existing files are
// opened; anything else is ignored. Returns whether the desktop took it (it
// did not when it has no opener at all).
bool ShellOpen(const QString& target);
// Whether ShellOpen would hand target to the desktop.
bool IsShellOpenable(const QString& target);
// Whether the desktop names a program for files of that type: false only
// when it says there is none (xdg-mime answers nothing); true when it cannot
// be asked.
bool HasDesktopHandler(const QString& mimeType);

}  // namespace kadenzo
