#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "StringTable.h"
#include "Units.h"

namespace kadenzo {

// How the editor's number fields read and write their values, whatever the
// process locale.

// A value cut (not rounded) to two decimals. Values that went through a unit
// factor or a 4-byte float land a hair below the hundredth they stand for
// (0.29 * 100 is 28.999...), so they are rounded to millionths first.
double CutToHundredths(double value);

// The speed and pace read-out of a distance in the user's unit covered in
// `minutes`: "12.0km/h, 5.0min/km"; only the speed when it is 0; "" when the
// duration is 0 or the speed is no number.
std::string SpeedPaceText(double distance, double minutes, const UnitSettings& units,
                          const StringTable& texts);

// The target range as the set-up page shows it, with the module's heart-rate
// unit: "120 -> 140 bpm", "< 140 bpm", "> 120 bpm", or "" without limits.
std::string HeartRateRangeText(std::uint8_t low, std::uint8_t high, const StringTable& texts);

}  // namespace kadenzo
