#pragma once

#include <QString>

namespace kadenzo {

// The folder of the program's data (language modules, starter library,
// manuals), ending with '/': "../share/kadenzo/" beside an installed program,
// or the program's own folder when it runs from the build tree.
QString DataDirectory(const QString& programDirectory);

// A file the program ships beside itself: first in
// <programDirectory>/../share/kadenzo/ (the installed layout), then in
// <programDirectory>/ (the build tree). Empty when neither holds it.
QString FindDataFile(const QString& programDirectory, const QString& name);

// The starter library shipped for a language module ("library-de.dat"
// beside "library.dat"), in dataDirectory (ending with '/'); empty for
// English, for a language without one of its own, and for anything that is
// no language code.
QString LanguageStarterLibrary(const QString& dataDirectory, const QString& language);

// The user manual's file name for a language module ("en", "de").
QString ManualFileName(const QString& language);
// The manual in the module's language, else the English one; empty when
// neither is there.
QString FindManual(const QString& programDirectory, const QString& language);

}  // namespace kadenzo
