#include "CalendarText.h"

#include "Cp1252.h"

namespace kadenzo {
namespace {

// Line breaks to LF, other control characters to spaces; bytes above 0x7F
// are left to the caller's conversion.
std::string Cleaned(std::string_view text) {
    std::string cleaned;
    cleaned.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') continue;
            cleaned += '\n';
        } else if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F) {
            cleaned += ' ';
        } else {
            cleaned += static_cast<char>(c);
        }
    }
    return cleaned;
}

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points above U+10FFFF).
bool IsUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        int more = 0;
        unsigned int code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(more) >= bytes.size()) return false;
        for (int k = 1; k <= more; ++k) {
            const unsigned char next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        const unsigned int least[] = {0, 0x80, 0x800, 0x10000};
        if (code < least[more] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(more) + 1;
    }
    return true;
}

}  // namespace

std::string CalendarText(std::string_view cp1252) { return Cp1252ToUtf8(Cleaned(cp1252)); }

std::string CalendarFileName(std::string_view bytes) {
    return IsUtf8(bytes) ? Cleaned(bytes) : CalendarText(bytes);
}

std::string EscapedListItem(std::string_view utf8) {
    std::string escaped;
    for (const char c : utf8) {
        if (c == '\\' || c == ';' || c == ',') {
            escaped += '\\';
            escaped += c;
        } else if (c == '\n') {
            escaped += "\\n";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

}  // namespace kadenzo
