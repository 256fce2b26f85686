#pragma once

#include <string>

namespace kadenzo {

// The diary works on whole calendar days: day number n is the date-time value
// n at midnight (days since 1899-12-30), so a workout belongs to its day
// whatever its time of day.
int DayNumber(double dateTime);
// The stored form of a calendar day: 12:00 of that day.
double NoonOfDayNumber(int dayNumber);
// 0 = Monday ... 6 = Sunday.
int Weekday(int dayNumber);
int MondayOnOrBefore(int dayNumber);
// Today in local time, from the application's injectable clock.
int TodayDayNumber();

struct CalendarDay {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
};

CalendarDay ToCalendar(int dayNumber);
// Parses "YYYY-MM-DD" of a valid date; false on anything else.
bool ParseIsoDay(const std::string& text, int* dayNumber);

}  // namespace kadenzo
