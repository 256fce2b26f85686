#include "DiaryDates.h"

#include <cmath>
#include <cstdio>

#include "DateTime.h"

namespace kadenzo {

int Weekday(int dayNumber) {
    // Day 0 was a Saturday.
    int w = (dayNumber + 5) % 7;
    return w < 0 ? w + 7 : w;
}

int MondayOnOrBefore(int dayNumber) { return dayNumber - Weekday(dayNumber); }

CalendarDay ToCalendar(int dayNumber) {
    std::optional<DateParts> parts = PartsFromDateTime(NoonOfDayNumber(dayNumber));
    if (!parts) return {};
    return {parts->year, parts->month, parts->day};
}

bool ParseIsoDay(const std::string& text, int* dayNumber) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
        if (text[i] < '0' || text[i] > '9') return false;
    std::optional<double> noon = NoonOfDay(
        std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)), std::stoi(text.substr(8, 2)));
    if (!noon) return false;
    *dayNumber = DayNumber(*noon);
    return true;
}

std::string FormatIsoDay(int dayNumber) {
    const CalendarDay c = ToCalendar(dayNumber);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", c.year, c.month, c.day);
    return text;
}

}  // namespace kadenzo
