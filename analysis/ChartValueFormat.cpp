#include "ChartValueFormat.h"

#include "Formats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

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
    const long long minutes = ShownMinutes(value * 60.0);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%s%lld:%02lld", minutes < 0 ? "-" : "",
                  std::llabs(minutes) / 60, std::llabs(minutes) % 60);
    return buffer;
}

}  // namespace kadenzo
