#include "CalendarDays.h"

#include <cstdio>

namespace kadenzo {
namespace {

constexpr int kFirstPagingYear = 1900;
constexpr int kLastPagingYear = 9999;

}  // namespace

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

std::optional<int> DayNumberOf(int year, int month, int day) {
    const std::optional<double> noon = NoonOfDay(year, month, day);
    if (!noon) return std::nullopt;
    return DayNumber(*noon);
}

int FirstOfMonth(int dayNumber, int months) {
    const CalendarDay day = ToCalendar(dayNumber);
    // A running month count, so that years carry.
    const int index = day.year * 12 + (day.month - 1) + months;
    return DayNumberOf(index / 12, index % 12 + 1, 1).value_or(0);
}

int FirstOfYear(int dayNumber, int years) {
    return DayNumberOf(ToCalendar(dayNumber).year + years, 1, 1).value_or(0);
}

int PageDay(int dayNumber, CalendarUnit unit, int direction) {
    const int step = direction < 0 ? -1 : 1;
    int moved = dayNumber;
    switch (unit) {
        case CalendarUnit::Days:
            moved = dayNumber + step;
            break;
        case CalendarUnit::Weeks:
            moved = dayNumber + 7 * step;
            break;
        case CalendarUnit::Months:
            moved = FirstOfMonth(dayNumber, step);
            break;
        case CalendarUnit::Years:
            moved = FirstOfYear(dayNumber, step);
            break;
    }
    const int year = ToCalendar(moved).year;
    return year >= kFirstPagingYear && year <= kLastPagingYear ? moved : dayNumber;
}

bool ParseIsoDay(const std::string& text, int* dayNumber) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
        if (text[i] < '0' || text[i] > '9') return false;
    const std::optional<int> day = DayNumberOf(
        std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)), std::stoi(text.substr(8, 2)));
    if (!day) return false;
    *dayNumber = *day;
    return true;
}

std::string FormatIsoDay(int dayNumber) {
    const CalendarDay c = ToCalendar(dayNumber);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", c.year, c.month, c.day);
    return text;
}

}  // namespace kadenzo
