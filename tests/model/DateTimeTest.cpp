#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "AppContext.h"
#include "DateTime.h"
#include "Formats.h"
#include "StreamBytes.h"

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
    EXPECT_EQ(NoonOf(45352.99), 45352.5);
    EXPECT_EQ(MidnightOf(45352.99), 45352.0);
    EXPECT_EQ(DayOfWeek(-1.25), 6);  // Friday 29 December 1899
    EXPECT_EQ(WeekdayFromMonday(*NoonOfDay(2024, 3, 3)), 6);
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
    EXPECT_FALSE(PartsFromDateTime(1e300));
    EXPECT_FALSE(PartsFromDateTime(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_TRUE(PartsFromDateTime(*DateTimeFromParts({9999, 12, 31, 23, 59, 59})));
}

TEST(DateTime, CalendarDateTimeIsStatusThenValue) {
    CalendarDateTime value{CalendarDateTime::kNull, 45352.5};
    auto bytes = test::Stored([&](CArchive& ar) { WriteCalendarDateTime(ar, value); });
    EXPECT_EQ(bytes, test::StreamBytes{}.Long(2).Double(45352.5).bytes);
    MemoryStream stream(bytes);
    CArchive ar(stream, CArchive::Mode::Load);
    EXPECT_EQ(ReadCalendarDateTime(ar), value);
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

}  // namespace
}  // namespace kadenzo
