#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <string>

#include "CoreText.h"
#include "DiaryGeometry.h"

namespace kadenzo {

class StringTable;

// Right and bottom of a DiaryRect are exclusive, as QRect's width and height.
inline QRect ToQRect(const DiaryRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// A day formatted with a strftime-like format (see FormatDateTime), with the
// day and month names of the texts.
QString FormatDay(int dayNumber, const char* format, const StringTable& texts);

}  // namespace kadenzo
