#include "FormShownDays.h"

#include <algorithm>

#include "DateTime.h"

namespace kadenzo {
namespace {

constexpr int kWeeksBack = 6;
constexpr int kWeeksAheadWithoutRace = 4;

int Monday(int day) { return day - WeekdayFromMonday(NoonOfDayNumber(day)); }

int EndOfMonth(int day) {
    const std::optional<DateParts> parts = PartsFromDateTime(NoonOfDayNumber(day));
    if (!parts) return day;
    const int next = parts->month == 12 ? 1 : parts->month + 1;
    const std::optional<double> first = NoonOfDay(parts->year + (next == 1), next, 1);
    return first ? DayNumber(*first) - 1 : day;
}

}  // namespace

FormDays RaceDays(int today, std::optional<int> nextRace) {
    const int first = Monday(today) - 7 * kWeeksBack;
    int until = today + 7 * kWeeksAheadWithoutRace;
    if (nextRace && *nextRace >= today) until = std::min(*nextRace, today + kFormMostDaysAhead);
    return {first, Monday(until) + 6};
}

FormDays ReachingAhead(const FormDays& days, FormRangeUnit unit, int today,
                       const FormAhead& ahead) {
    if (today < days.firstDay || today > days.lastDay) return days;
    const int reach =
        std::min(std::max(ahead.nextRace.value_or(today), ahead.planEnd.value_or(today)),
                 today + kFormMostDaysAhead);
    if (reach <= days.lastDay) return days;
    const int last = unit == FormRangeUnit::Weeks ? Monday(reach) + 6 : EndOfMonth(reach);
    return {days.firstDay, last};
}

}  // namespace kadenzo
