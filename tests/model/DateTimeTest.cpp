#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "AppContext.h"
#include "CalendarDays.h"
#include "DateTime.h"

namespace kadenzo {
namespace {

TEST(DateTime, CalendarValuesMapToDaysSinceTheEpochBothWays) {
    const struct {
        DateParts parts;
        double value;
    } cases[] = {{{1899, 12, 30, 0, 0, 0}, 0.0},
                 {{1900, 1, 1, 0, 0, 0}, 2.0},
                 {{2000, 2, 29, 18, 0, 0}, 36585.75},
                 // Before the epoch the time counts forward: 06:00, not 18:00.
                 {{1899, 12, 29, 6, 0, 0}, -1.25}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(DateTimeFromParts(c.parts), c.value);
        EXPECT_EQ(*PartsFromDateTime(c.value), c.parts);
    }
    EXPECT_EQ(NoonOf(-1.25), -1.5);
}

// Every day from 1800 to 2200, on both sides of the epoch: the calendar value
// and its double convert both ways, day numbers and weekdays run on by one,
// and noon and midnight stay on the day.
TEST(DateTime, EveryDayOfFourCenturiesConvertsBothWays) {
    int n = 0;
    int previousDay = 0;
    for (int year = 1800; year <= 2200; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day, ++n) {
                const DateParts parts{year, month, day, n % 24, n * 7 % 60, n * 13 % 60};
                const std::optional<double> value = DateTimeFromParts(parts);
                if (!value) {  // a day the month does not have
                    --n;
                    ASSERT_GE(day, 29) << year << "-" << month;
                    continue;
                }
                const std::string date = std::to_string(*value);
                ASSERT_EQ(PartsFromDateTime(*value), parts) << date;
                const double noon = NoonOf(*value);
                ASSERT_EQ(*NoonOfDay(year, month, day), noon) << date;
                ASSERT_EQ(PartsFromDateTime(MidnightOf(*value)),
                          (DateParts{year, month, day, 0, 0, 0}))
                    << date;
                const int dayNumber = DayNumber(*value);
                ASSERT_EQ(NoonOfDayNumber(dayNumber), noon) << date;
                ASSERT_TRUE(n == 0 || dayNumber == previousDay + 1) << date;
                previousDay = dayNumber;
                const int fromMonday = (2 + n) % 7;  // 1 January 1800 was a Wednesday
                ASSERT_EQ(WeekdayFromMonday(*value), fromMonday) << date;
                ASSERT_EQ(DayOfWeek(*value), (fromMonday + 1) % 7 + 1) << date;
            }
        }
    }
}

TEST(DateTime, RoundsToTheSecondAndCarriesIntoTheNextDay) {
    EXPECT_EQ(*PartsFromDateTime(45352.0 + 0.4999 / 86400), (DateParts{2024, 3, 1, 0, 0, 0}));
    EXPECT_EQ(*PartsFromDateTime(45352.99999999), (DateParts{2024, 3, 2, 0, 0, 0}));
    EXPECT_EQ(*PartsFromDateTime(-1.99999999), (DateParts{1899, 12, 30, 0, 0, 0}));
}

TEST(DateTime, RefusesValuesOutsideTheCalendar) {
    EXPECT_FALSE(DateTimeFromParts({2023, 2, 29}));
    EXPECT_FALSE(DateTimeFromParts({2024, 13, 1}));
    EXPECT_FALSE(DateTimeFromParts({99, 12, 31}));
    EXPECT_FALSE(DateTimeFromParts({2024, 1, 1, 24, 0, 0}));
    EXPECT_FALSE(DateTimeFromParts({2024, 1, 1, 23, 59, 60}));  // the files know no leap second
    EXPECT_FALSE(PartsFromDateTime(1e300));
    EXPECT_FALSE(PartsFromDateTime(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_TRUE(PartsFromDateTime(*DateTimeFromParts({9999, 12, 31, 23, 59, 59})));
}

TEST(DateTime, TimeStampsConvertThroughLocalTime) {
    const char* tz = std::getenv("TZ");
    const std::string savedTz = tz ? tz : "";
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    // 2001-09-09 01:46:40 UTC is 03:46:40 summer time in Berlin.
    EXPECT_EQ(*LocalFromTimeStamp(1000000000), (DateParts{2001, 9, 9, 3, 46, 40}));
    EXPECT_EQ(TimeStampFromLocal({2001, 9, 9, 3, 46, 40}), 1000000000);
    EXPECT_FALSE(TimeStampFromLocal({2040, 1, 1}));  // beyond 32 bits
    AppContext context;
    context.clock = [] { return std::time_t{1000000000}; };
    EXPECT_EQ(context.NowAsDateTime(), *DateTimeFromParts({2001, 9, 9, 3, 46, 40}));
    if (tz)
        setenv("TZ", savedTz.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

int Day(int year, int month, int day) { return DayNumberOf(year, month, day).value(); }

TEST(CalendarDays, PagingMovesOneUnit) {
    struct Case {
        CalendarUnit unit;
        int direction, from, to;
    } const cases[] = {
        {CalendarUnit::Days, -1, Day(2024, 3, 1), Day(2024, 2, 29)},
        {CalendarUnit::Weeks, 1, Day(2024, 3, 13), Day(2024, 3, 20)},
        {CalendarUnit::Months, 1, Day(2004, 12, 15), Day(2005, 1, 1)},
        {CalendarUnit::Months, -1, Day(2004, 1, 15), Day(2003, 12, 1)},
        {CalendarUnit::Years, -1, Day(2004, 6, 15), Day(2003, 1, 1)},
        // Paging stays within the years 1900 to 9999.
        {CalendarUnit::Years, -1, Day(1900, 6, 1), Day(1900, 6, 1)},
        {CalendarUnit::Days, 1, Day(9999, 12, 31), Day(9999, 12, 31)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        EXPECT_EQ(PageDay(c.from, c.unit, c.direction), c.to);
    }
}

// Weekdays hold before the epoch too, where the day numbers are negative:
// from Sunday 24 December 1899 (day -6) back, the remainder is negative.
TEST(CalendarDays, WeeksRunFromMondayOnBothSidesOfTheEpoch) {
    EXPECT_EQ(Weekday(Day(1899, 12, 30)), 5);  // a Saturday
    EXPECT_EQ(Weekday(Day(1899, 12, 24)), 6);
    EXPECT_EQ(MondayOnOrBefore(Day(1899, 12, 24)), Day(1899, 12, 18));
    EXPECT_EQ(MondayOnOrBefore(Day(1899, 12, 31)), Day(1899, 12, 25));
    EXPECT_EQ(MondayOnOrBefore(Day(2026, 12, 7)), Day(2026, 12, 7));
    EXPECT_EQ(FirstOfMonth(Day(2024, 2, 29), -2), Day(2023, 12, 1));
    EXPECT_EQ(FirstOfYear(Day(2024, 2, 29), 1), Day(2025, 1, 1));
}

}  // namespace
}  // namespace kadenzo
