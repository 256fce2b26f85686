#pragma once

#include <QString>

namespace kadenzo {

// The folder of the program's data (language modules, starter library,
// manual), ending with '/': "../share/kadenzo/" beside an installed program,
// or the program's own folder when it runs from the build tree.
QString DataDirectory(const QString& programDirectory);
// The data file of that name in DataDirectory().
QString FindDataFile(const QString& programDirectory, const QString& name);

}  // namespace kadenzo
