#include "WeekTotals.h"

#include <cmath>
#include <cstdio>

namespace kadenzo {

void WeekTotals::Add(int dayNumber, int todayNumber, double plannedDuration, double duration) {
    planned += plannedDuration;
    if (dayNumber <= todayNumber) {
        performed += duration;
        comparison += plannedDuration;
    }
}

std::string FormatWeekTotal(double minutes) {
    if (minutes == 0) return "--";
    if (!std::isfinite(minutes) || std::fabs(minutes) > 1.0e8) return "--";
    const int whole = static_cast<int>(minutes);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02i:%02i", whole / 60, whole % 60);
    return buffer;
}

}  // namespace kadenzo
