#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "DocumentPrompts.h"
#include "FieldRange.h"

namespace kadenzo {

// The maximum heart rate field: whole beats per minute, no more than the
// workouts' heart rates and targets hold (8 bits).
inline constexpr std::uint32_t kMaxHeartRateName = 34816;
inline constexpr FieldRange kMaxHeartRateRange{kMaxHeartRateName, 0, 255, true};

// The maximum heart rate as typed, when the field's range holds it (blanks
// around it are fine); nothing otherwise, and the dialog then stays open.
std::optional<std::int32_t> ReadMaxHeartRate(const std::string& text);

// The birth date moved to another calendar day (local time) keeping its time
// of day; nothing when the day cannot be held in a 32-bit time stamp.
std::optional<std::int32_t> WithBirthDay(std::int32_t birthDate, int year, int month, int day);

}  // namespace kadenzo
