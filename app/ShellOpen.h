#pragma once

#include <QString>

namespace kadenzo {

// Opens a web address or a local file with the desktop's handler, as the
// shell's "open" did. Only http and https addresses and existing files are
// opened; anything else (or a failing handler) is ignored silently.
// Returns whether an open was attempted.
bool ShellOpen(const QString& target);
// Whether ShellOpen would hand target to the desktop.
bool IsShellOpenable(const QString& target);

}  // namespace kadenzo
