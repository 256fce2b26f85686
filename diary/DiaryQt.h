#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <string>

#include "CoreText.h"
#include "RectQt.h"

namespace kadenzo {

class StringTable;

// A day formatted with a strftime-like format (see FormatDateTime), with the
// day and month names of the texts.
QString FormatDay(int dayNumber, const char* format, const StringTable& texts);

}  // namespace kadenzo
