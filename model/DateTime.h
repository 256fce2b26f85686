#pragma once

#include <cstdint>
#include <ctime>
#include <optional>

namespace kadenzo {

class CArchive;

// A calendar date with a time of day, in local time.
struct DateParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const DateParts&, const DateParts&) = default;
};

// Date-time doubles count days since 1899-12-30 00:00; the fraction is the time
// of day. Before the epoch the whole days are negative while the fraction still
// counts forward from midnight (-1.25 is 1899-12-29 06:00), as the files hold it.
// Years 100 to 9999 are representable.

// The date-time double of a calendar value; nothing when a field is out of range.
std::optional<double> DateTimeFromParts(const DateParts& parts);
// Shorthand for a calendar day at 12:00 noon, the way calendar days are held.
std::optional<double> NoonOfDay(int year, int month, int day);
// The calendar value of a date-time double, rounded to the nearest second;
// nothing for a value that is not finite or outside the representable years.
std::optional<DateParts> PartsFromDateTime(double dateTime);
// The same calendar day at 12:00 noon.
double NoonOf(double dateTime);
// The calendar day's midnight (the start of the day the value falls on).
double MidnightOf(double dateTime);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(double dateTime);
// 0 = Monday ... 6 = Sunday, the order of the diary's weeks.
int WeekdayFromMonday(double dateTime);

// A date-time with a status, as the archive stores it: long status, double value.
struct CalendarDateTime {
    static constexpr std::int32_t kValid = 0;
    static constexpr std::int32_t kInvalid = 1;
    static constexpr std::int32_t kNull = 2;

    std::int32_t status = kValid;
    double value = 0;

    bool IsValid() const { return status == kValid; }
    // Status and value both equal; values compared exactly.
    friend bool operator==(const CalendarDateTime&, const CalendarDateTime&) = default;
};

void WriteCalendarDateTime(CArchive& ar, const CalendarDateTime& dateTime);
CalendarDateTime ReadCalendarDateTime(CArchive& ar);

// 32-bit time stamps: seconds since 1970-01-01 00:00:00 UTC, converted to and
// from local calendar values. Nothing when the value does not fit.
std::optional<std::int32_t> TimeStampFromLocal(const DateParts& parts);
std::optional<DateParts> LocalFromTimeStamp(std::int64_t seconds);
// The program works on whole calendar days: day number n is the date-time
// value n at midnight (days since 1899-12-30), so a workout belongs to its day
// whatever its time of day.
int DayNumber(double dateTime);
// The stored form of a calendar day: 12:00 of that day.
double NoonOfDayNumber(int dayNumber);

// A time stamp as a local date-time double (0 when it cannot be converted).
double DateTimeFromTimeStamp(std::int64_t seconds);

}  // namespace kadenzo
