#pragma once

#include <string>
#include <string_view>

namespace kadenzo {

// Conversions at the boundaries of the core, whose strings are Windows-1252
// bytes. Characters Windows-1252 cannot hold become '?'.
std::string Cp1252ToUtf8(std::string_view bytes);
std::string Utf8ToCp1252(std::string_view utf8);
// One UTF-16 code unit (16-bit archive strings) to its Windows-1252 byte, or '?'.
char Utf16UnitToCp1252(char16_t unit);

}  // namespace kadenzo
