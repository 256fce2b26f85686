#pragma once

#include <QString>

// The modules and the starter library as the build wrote them.
inline QString BuiltFile(const char* name) {
    return QStringLiteral(KADENZO_MODULE_DIR "/") + QString::fromLatin1(name);
}
