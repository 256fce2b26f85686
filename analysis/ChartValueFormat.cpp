#include "ChartValueFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace kadenzo {
namespace {

// Whole hours fit an int well beyond any training log.
constexpr double kLargest = 2.0e9;

}  // namespace

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) return "0";
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, std::clamp(decimals, 0, 20));
    if (result.ec != std::errc()) return "0";
    return std::string(buffer, result.ptr);
}

std::string FormatChartValue(double value, bool showDistance, const std::string& unitLabel) {
    if (!std::isfinite(value)) value = 0;
    value = std::clamp(value, -kLargest, kLargest);
    const double whole = std::trunc(value);
    // 12.1 - 12 falls a hair short of 0.1 in binary; it still shows its tenth.
    if (showDistance) return FormatFixed(value, value - whole >= 0.1 - 1e-9 ? 1 : 0) + unitLabel;
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%i:%02i", static_cast<int>(whole),
                  static_cast<int>((value - whole) * 60.0));
    return buffer;
}

}  // namespace kadenzo
