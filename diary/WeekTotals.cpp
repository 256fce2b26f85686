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
    // A negative duration only comes from a damaged file; its sign goes in
    // front once rather than before the hours and the minutes.
    const long long whole = ShownWeekMinutes(minutes);
    const long long size = whole < 0 ? -whole : whole;
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%s%02lld:%02lld", whole < 0 ? "-" : "", size / 60,
                  size % 60);
    return buffer;
}

}  // namespace kadenzo
