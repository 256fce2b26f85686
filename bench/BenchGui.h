#pragma once

#include <QApplication>

namespace kadenzo {

// The one QApplication of the benchmark program, made by whichever widget
// benchmark runs first; on the offscreen platform unless one is chosen.
inline void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "kadenzo_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
}

}  // namespace kadenzo
