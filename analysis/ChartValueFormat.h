#pragma once

#include <string>

namespace kadenzo {

// A value of the chart as its axis and status line show it: hours as "h:mm"
// (minutes cut, not rounded), or a distance with one decimal when its tenths
// are not 0, else none, followed by the unit label.
std::string FormatChartValue(double value, bool showDistance, const std::string& unitLabel);

}  // namespace kadenzo
