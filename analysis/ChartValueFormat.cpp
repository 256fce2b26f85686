#include "ChartValueFormat.h"

#include "Formats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kadenzo {
namespace {

// Whole hours fit an int well beyond any training log.
constexpr double kLargest = 2.0e9;

}  // namespace

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
