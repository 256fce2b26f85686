#include "FigureText.h"

#include <cmath>

#include "Formats.h"
#include "ResourceIds.h"

namespace kadenzo {

double CutToHundredths(double value) {
    if (!std::isfinite(value)) return 0;
    // Beyond 2^53 millionths there is no noise left to remove.
    if (std::fabs(value) >= 1e9) return std::floor(value * 100) / 100;
    return std::floor(std::round(value * 1e6) / 1e4) / 100;
}

std::string SpeedPaceText(double distance, double minutes, const UnitSettings& units,
                          const StringTable& texts) {
    if (minutes == 0) return "";
    const double speed = distance / minutes * 60;
    if (!std::isfinite(speed)) return "";
    std::string text = FormatFixed(speed, 1) + UnitLabel(kUnitSpeed, units, texts);
    if (speed != 0)
        text += ", " + FormatFixed(60 / speed, 1) + "min/" + UnitLabel(kUnitDistance, units, texts);
    return text;
}

std::string HeartRateRangeText(std::uint8_t low, std::uint8_t high, const StringTable& texts) {
    const std::string unit = " " + texts.Text(IDS_UNIT_HEART_RATE);
    if (low != 0 && high != 0) return std::to_string(low) + " -> " + std::to_string(high) + unit;
    if (high != 0) return "< " + std::to_string(high) + unit;
    if (low != 0) return "> " + std::to_string(low) + unit;
    return "";
}

}  // namespace kadenzo
