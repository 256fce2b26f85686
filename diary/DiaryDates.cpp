#include "DiaryDates.h"

#include <cmath>

#include "DateTime.h"

namespace kadenzo {
namespace {

// Keeps the integer conversion defined for values no calendar can hold.
constexpr double kLimit = 3000000.0;

}  // namespace

int DayNumber(double dateTime) {
    if (!std::isfinite(dateTime)) return 0;
    if (dateTime > kLimit) return static_cast<int>(kLimit);
    if (dateTime < -kLimit) return -static_cast<int>(kLimit);
    // Before 1899-12-30 the whole part still names the day (-1.25 is
    // 1899-12-29 06:00), so the day is the whole part, not the floor.
    return static_cast<int>(dateTime);
}

double NoonOfDayNumber(int dayNumber) { return dayNumber < 0 ? dayNumber - 0.5 : dayNumber + 0.5; }

int Weekday(int dayNumber) {
    // Day 0 was a Saturday.
    int w = (dayNumber + 5) % 7;
    return w < 0 ? w + 7 : w;
}

int MondayOnOrBefore(int dayNumber) { return dayNumber - Weekday(dayNumber); }

int TodayDayNumber() { return DayNumber(NowAsDateTime()); }

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

}  // namespace kadenzo
