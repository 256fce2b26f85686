#pragma once

#include <string>
#include <string_view>

#include "StringTable.h"

namespace kadenzo {

// What a screen reader should say for a text painted for the eye. The marks
// that stand for a lost item ("???") and for no choice ("--------",
// "< ------ >") read as words; everything else reads as shown. Windows-1252
// bytes in and out.
std::string SpokenText(std::string_view shown, const StringTable& texts);

}  // namespace kadenzo
