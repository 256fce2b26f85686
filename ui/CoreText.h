#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <string>

#include "Cp1252.h"
#include "StringTable.h"

namespace kadenzo {

// The core's Windows-1252 text in the widgets, and back.
inline QString FromBytes(const std::string& text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}
inline std::string ToBytes(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

// A stored 0x00BBGGRR colour.
inline QColor ColourFromRef(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

// A numbered text of the document's string table for a label, or the fallback
// when the table lacks it.
inline QString TableText(const StringTable& texts, std::uint32_t id, const char* fallback) {
    const std::string text = texts.Text(id);
    return text.empty() ? QString::fromUtf8(fallback) : FromBytes(text);
}

}  // namespace kadenzo
