#pragma once

#include <optional>
#include <string>

#include "DateTime.h"

namespace kadenzo {

// Calendar days as day numbers (days since 30 December 1899, as the files
// count them): the arithmetic every view and the tool page and label by.

// 0 = Monday ... 6 = Sunday.
int Weekday(int dayNumber);
int MondayOnOrBefore(int dayNumber);

struct CalendarDay {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
};

CalendarDay ToCalendar(int dayNumber);
// The day number of a calendar day, or nothing when it does not exist.
std::optional<int> DayNumberOf(int year, int month, int day);
// The 1st of the month `months` months after the day's month (0: its own).
int FirstOfMonth(int dayNumber, int months = 0);
// 1 January of the year `years` after the day's year (0: its own).
int FirstOfYear(int dayNumber, int years = 0);

enum class CalendarUnit { Days = 0, Weeks = 1, Months = 2, Years = 3 };

// The day paged by one unit (direction -1 back, +1 forward): a day, a week,
// to the 1st of the month before or after, or to 1 January of the year
// before or after. The day stays put where the move would leave the years
// 1900 to 9999.
int PageDay(int dayNumber, CalendarUnit unit, int direction);

// Parses "YYYY-MM-DD" of a valid date; false on anything else.
bool ParseIsoDay(const std::string& text, int* dayNumber);
// "YYYY-MM-DD", as ParseIsoDay reads it.
std::string FormatIsoDay(int dayNumber);

}  // namespace kadenzo
