#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <cstdint>
#include <string>

#include "DiaryGeometry.h"

namespace kadenzo {

// A stored 0x00BBGGRR colour.
inline QColor ColourFromRef(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

// Right and bottom of a DiaryRect are exclusive, as QRect's width and height.
inline QRect ToQRect(const DiaryRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// A day formatted with a C strftime format in the program's locale.
QString FormatDay(int dayNumber, const char* format);
// The current date and time as "%c".
QString FormatNow();
// Windows-1252 bytes of the core to a display string.
QString FromCore(const std::string& text);

}  // namespace kadenzo
