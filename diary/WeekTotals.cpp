#include "WeekTotals.h"

#include <cmath>
#include <cstdio>

#include "Formats.h"

namespace kadenzo {

void WeekTotals::Add(int dayNumber, int todayNumber, double plannedDuration, double duration) {
    planned += plannedDuration;
    if (dayNumber <= todayNumber) {
        performed += duration;
        comparison += plannedDuration;
    }
}

bool WeekTotals::PerformedBehindPlan() const {
    return ShownWeekMinutes(performed) < ShownWeekMinutes(comparison);
}

long long ShownWeekMinutes(double minutes) {
    // Figures beyond this come from a damaged file and show as "--".
    if (!std::isfinite(minutes) || std::fabs(minutes) > 1.0e8) return 0;
    return ShownMinutes(minutes);
}

std::string FormatWeekTotal(double minutes) {
    if (minutes == 0 || !std::isfinite(minutes) || std::fabs(minutes) > 1.0e8) return "--";
    const long long whole = ShownWeekMinutes(minutes);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02lld:%02lld", whole / 60, whole % 60);
    return buffer;
}

}  // namespace kadenzo
