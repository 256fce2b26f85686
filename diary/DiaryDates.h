#pragma once

#include <string>

#include "DateTime.h"

namespace kadenzo {

// 0 = Monday ... 6 = Sunday.
int Weekday(int dayNumber);
int MondayOnOrBefore(int dayNumber);

struct CalendarDay {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
};

CalendarDay ToCalendar(int dayNumber);
// Parses "YYYY-MM-DD" of a valid date; false on anything else.
bool ParseIsoDay(const std::string& text, int* dayNumber);
// "YYYY-MM-DD", as ParseIsoDay reads it.
std::string FormatIsoDay(int dayNumber);

}  // namespace kadenzo
