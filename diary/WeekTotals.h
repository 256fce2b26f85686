#pragma once

#include <string>

namespace kadenzo {

// Minutes of one diary week. The comparison is the planned time of the days
// that have passed (today included), so a performed total below it means the
// athlete has done less than planned so far.
struct WeekTotals {
    double planned = 0;
    double performed = 0;
    double comparison = 0;

    // Counts one workout of the week.
    void Add(int dayNumber, int todayNumber, double plannedDuration, double duration);
    bool PerformedBehindPlan() const { return performed < comparison; }
};

// "--" for nothing, else "hh:mm" with the hours not limited to 24.
std::string FormatWeekTotal(double minutes);

}  // namespace kadenzo
