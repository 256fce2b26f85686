#pragma once

#include <cstdint>
#include <string>

namespace kadenzo {

// Unit kinds passed by callers of the display conversions.
enum UnitKind : int {
    kUnitDistance = 10,  // stored in kilometres
    kUnitWeight = 11,    // stored in kilograms
    kUnitSpeed = 12,     // stored in km/h; follows the distance setting
};

// The user's unit choices. Values other than 0 and 1 convert as metric and
// label as "??".
struct UnitSettings {
    std::uint32_t distance = 0;  // 0 metric, 1 imperial (miles)
    std::uint32_t weight = 0;    // 0 kilograms, 1 pounds
};

// Stored (metric) value to the value shown in the user's units.
double ToDisplay(double value, int kind, const UnitSettings& units);
// Typed value back to the stored unit; the factors are the exact reciprocals
// of the display factors so that a typed value shows again unchanged.
double FromDisplay(double value, int kind, const UnitSettings& units);
class StringTable;

// The unit's label from the string table ("??" for unknown kinds/settings).
std::string UnitLabel(int kind, const UnitSettings& units, const StringTable& texts);

}  // namespace kadenzo
