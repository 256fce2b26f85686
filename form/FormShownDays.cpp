#include "FormShownDays.h"

#include <algorithm>

#include "CalendarDays.h"

namespace kadenzo {
namespace {

constexpr int kWeeksBack = 6;
constexpr int kWeeksAheadWithoutRace = 4;

int EndOfMonth(int day) {
    const int next = FirstOfMonth(day, 1);
    return next > day ? next - 1 : day;
}

}  // namespace

FormDays RaceDays(int today, std::optional<int> nextRace) {
    const int first = MondayOnOrBefore(today) - 7 * kWeeksBack;
    int until = today + 7 * kWeeksAheadWithoutRace;
    if (nextRace && *nextRace >= today) until = std::min(*nextRace, today + kFormMostDaysAhead);
    return {first, MondayOnOrBefore(until) + 6};
}

FormDays ReachingAhead(const FormDays& days, CalendarUnit unit, int today,
                       const FormAhead& ahead) {
    if (today < days.firstDay || today > days.lastDay) return days;
    const int reach =
        std::min(std::max(ahead.nextRace.value_or(today), ahead.planEnd.value_or(today)),
                 today + kFormMostDaysAhead);
    if (reach <= days.lastDay) return days;
    const int last = unit == CalendarUnit::Weeks ? MondayOnOrBefore(reach) + 6 : EndOfMonth(reach);
    return {days.firstDay, last};
}

}  // namespace kadenzo
