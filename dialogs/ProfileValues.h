#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "DocumentPrompts.h"

namespace kadenzo {

// A whole number as typed into the heart-rate field: optional surrounding
// blanks and sign, decimal digits, within 32 bits. Nothing otherwise, and the
// dialog then stays open.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// The birth date moved to another calendar day (local time) keeping its time
// of day; nothing when the day cannot be held in a 32-bit time stamp.
std::optional<std::int32_t> WithBirthDay(std::int32_t birthDate, int year, int month, int day);

}  // namespace kadenzo
