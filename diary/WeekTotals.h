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
    // Decided on whole minutes, as the totals are shown: a plan of 06:03 met
    // by 06:03 is met, whatever seconds lie behind either figure.
    bool PerformedBehindPlan() const;
};

// "--" for nothing, else "hh:mm" with the hours not limited to 24.
std::string FormatWeekTotal(double minutes);
// The whole minutes FormatWeekTotal shows (0 for "--").
long long ShownWeekMinutes(double minutes);

}  // namespace kadenzo
