#include "DateTime.h"

#include <cmath>
#include <limits>

#include "Archive.h"

namespace kadenzo {

namespace {

constexpr std::int64_t kEpochOffset = 25569;  // days from 1899-12-30 to 1970-01-01
constexpr std::int64_t kSecondsPerDay = 86400;

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    auto yoe = static_cast<unsigned>(y - era * 400);
    unsigned doy =
        (153u * static_cast<unsigned>(m + (m > 2 ? -3 : 9)) + 2) / 5 + static_cast<unsigned>(d) - 1;
    unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    auto doe = static_cast<unsigned>(z - era * 146097);
    unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// Range of the representable years, in days since 1899-12-30.
const double kMinDay = static_cast<double>(DaysFromCivil(100, 1, 1) + kEpochOffset);
const double kMaxDay = static_cast<double>(DaysFromCivil(9999, 12, 31) + kEpochOffset);

// Splits a date-time into whole days since the epoch and seconds of the day.
bool SplitDateTime(double dateTime, std::int64_t& days, std::int64_t& seconds) {
    if (!std::isfinite(dateTime)) return false;
    double whole = std::trunc(dateTime);
    if (whole < kMinDay || whole > kMaxDay) return false;
    days = static_cast<std::int64_t>(whole);
    seconds = std::llround(std::fabs(dateTime - whole) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {
        // Rounding reached midnight: the next calendar day.
        seconds -= kSecondsPerDay;
        days += 1;
    }
    return true;
}

// Builds the double from whole days and a non-negative day fraction.
double JoinDateTime(std::int64_t days, double fraction) {
    double d = static_cast<double>(days);
    return days < 0 ? d - fraction : d + fraction;
}

}  // namespace

std::optional<double> DateTimeFromParts(const DateParts& p) {
    if (p.year < 100 || p.year > 9999 || p.month < 1 || p.month > 12) return std::nullopt;
    if (p.day < 1 || p.day > DaysInMonth(p.year, p.month)) return std::nullopt;
    if (p.hour < 0 || p.hour > 23 || p.minute < 0 || p.minute > 59 || p.second < 0 || p.second > 59)
        return std::nullopt;
    std::int64_t days = DaysFromCivil(p.year, p.month, p.day) + kEpochOffset;
    double fraction = static_cast<double>(p.hour * 3600 + p.minute * 60 + p.second) /
                      static_cast<double>(kSecondsPerDay);
    return JoinDateTime(days, fraction);
}

std::optional<double> NoonOfDay(int year, int month, int day) {
    return DateTimeFromParts(DateParts{year, month, day, 12, 0, 0});
}

std::optional<DateParts> PartsFromDateTime(double dateTime) {
    std::int64_t days = 0;
    std::int64_t seconds = 0;
    if (!SplitDateTime(dateTime, days, seconds)) return std::nullopt;
    DateParts p;
    CivilFromDays(days - kEpochOffset, p.year, p.month, p.day);
    if (p.year > 9999) return std::nullopt;
    p.hour = static_cast<int>(seconds / 3600);
    p.minute = static_cast<int>(seconds / 60 % 60);
    p.second = static_cast<int>(seconds % 60);
    return p;
}

double NoonOf(double dateTime) {
    if (!std::isfinite(dateTime)) return dateTime;
    return JoinDateTime(static_cast<std::int64_t>(std::trunc(dateTime)), 0.5);
}

double MidnightOf(double dateTime) {
    if (!std::isfinite(dateTime)) return dateTime;
    return std::trunc(dateTime);
}

int DayOfWeek(double dateTime) {
    if (!std::isfinite(dateTime) || std::fabs(dateTime) > 1e15) return 1;
    // Day 0 (1899-12-30) was a Saturday.
    auto days = static_cast<std::int64_t>(std::trunc(dateTime));
    std::int64_t fromSunday = ((days + 6) % 7 + 7) % 7;
    return static_cast<int>(fromSunday) + 1;
}

int WeekdayFromMonday(double dateTime) { return (DayOfWeek(dateTime) + 5) % 7; }

void WriteCalendarDateTime(CArchive& ar, const CalendarDateTime& dateTime) {
    ar.WriteLong(dateTime.status);
    ar.WriteDouble(dateTime.value);
}

CalendarDateTime ReadCalendarDateTime(CArchive& ar) {
    CalendarDateTime dateTime;
    dateTime.status = ar.ReadLong();
    dateTime.value = ar.ReadDouble();
    return dateTime;
}

std::optional<std::int32_t> TimeStampFromLocal(const DateParts& p) {
    if (!DateTimeFromParts(p)) return std::nullopt;
    std::tm tm{};
    tm.tm_year = p.year - 1900;
    tm.tm_mon = p.month - 1;
    tm.tm_mday = p.day;
    tm.tm_hour = p.hour;
    tm.tm_min = p.minute;
    tm.tm_sec = p.second;
    tm.tm_isdst = -1;
    std::time_t t = std::mktime(&tm);
    if (t == static_cast<std::time_t>(-1) && !(p.year == 1969 && p.month == 12 && p.day == 31))
        return std::nullopt;
    if (t < std::numeric_limits<std::int32_t>::min() ||
        t > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(t);
}

std::optional<DateParts> LocalFromTimeStamp(std::int64_t seconds) {
    std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    if (!localtime_r(&t, &tm)) return std::nullopt;
    DateParts p{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                tm.tm_hour,        tm.tm_min,     tm.tm_sec > 59 ? 59 : tm.tm_sec};
    if (!DateTimeFromParts(p)) return std::nullopt;
    return p;
}

double DateTimeFromTimeStamp(std::int64_t seconds) {
    std::optional<DateParts> parts = LocalFromTimeStamp(seconds);
    if (!parts) return 0;
    return DateTimeFromParts(*parts).value_or(0);
}

// Keeps the integer conversion defined for values no calendar can hold.
constexpr double kDayNumberLimit = 3000000.0;

int DayNumber(double dateTime) {
    if (!std::isfinite(dateTime)) return 0;
    if (dateTime > kDayNumberLimit) return static_cast<int>(kDayNumberLimit);
    if (dateTime < -kDayNumberLimit) return -static_cast<int>(kDayNumberLimit);
    // Before 1899-12-30 the whole part still names the day (-1.25 is
    // 1899-12-29 06:00), so the day is the whole part, not the floor.
    return static_cast<int>(dateTime);
}

double NoonOfDayNumber(int dayNumber) { return dayNumber < 0 ? dayNumber - 0.5 : dayNumber + 0.5; }

}  // namespace kadenzo
