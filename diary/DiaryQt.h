#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <cstdint>
#include <string>

#include "CoreText.h"
#include "DiaryGeometry.h"

namespace kadenzo {

// Right and bottom of a DiaryRect are exclusive, as QRect's width and height.
inline QRect ToQRect(const DiaryRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// A day formatted with a strftime-like format (see FormatDateTime), with the
// day and month names of the language module.
QString FormatDay(int dayNumber, const char* format);
// A time stamp as local date and time in the language module's format.
QString FormatDateTimeStamp(std::int64_t seconds);
// Windows-1252 bytes of the core to a display string.
QString FromCore(const std::string& text);

}  // namespace kadenzo
