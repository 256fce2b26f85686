#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "AppContext.h"
#include "DateTime.h"
#include "Formats.h"
#include "StreamBytes.h"

namespace kadenzo {
namespace {

TEST(DateTime, CalendarValuesMapToDaysSinceTheEpoch) {
    EXPECT_EQ(DateTimeFromParts({1899, 12, 30}), 0.0);
    EXPECT_EQ(DateTimeFromParts({1900, 1, 1}), 2.0);
    EXPECT_EQ(DateTimeFromParts({1970, 1, 1}), 25569.0);
    EXPECT_EQ(DateTimeFromParts({2000, 2, 29, 18, 0, 0}), 36585.75);
    EXPECT_EQ(NoonOfDay(2024, 3, 1), 45352.5);

    DateParts back = *PartsFromDateTime(36585.75);
    EXPECT_EQ(back, (DateParts{2000, 2, 29, 18, 0, 0}));
}

TEST(DateTime, DaysBeforeTheEpochCountTheirTimeForward) {
    // -1.25 is 29 December 1899 at 06:00, not 18:00.
    EXPECT_EQ(*PartsFromDateTime(-1.25), (DateParts{1899, 12, 29, 6, 0, 0}));
    EXPECT_EQ(DateTimeFromParts({1899, 12, 29, 6, 0, 0}), -1.25);
    EXPECT_EQ(NoonOf(-1.25), -1.5);
    EXPECT_EQ(NoonOf(45352.99), 45352.5);
    EXPECT_EQ(MidnightOf(45352.99), 45352.0);
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
    EXPECT_FALSE(PartsFromDateTime(3e6));
    EXPECT_TRUE(PartsFromDateTime(*DateTimeFromParts({9999, 12, 31, 23, 59, 59})));
}

TEST(DateTime, Weekdays) {
    EXPECT_EQ(DayOfWeek(0.0), 7);                     // 30 December 1899 was a Saturday
    EXPECT_EQ(DayOfWeek(*NoonOfDay(2024, 3, 3)), 1);  // a Sunday
    EXPECT_EQ(WeekdayFromMonday(*NoonOfDay(2024, 3, 4)), 0);
    EXPECT_EQ(WeekdayFromMonday(*NoonOfDay(2024, 3, 3)), 6);
    EXPECT_EQ(DayOfWeek(-1.25), 6);  // Friday 29 December 1899
}

TEST(DateTime, CalendarDateTimeIsStatusThenValue) {
    CalendarDateTime value{CalendarDateTime::kNull, 45352.5};
    auto bytes = test::Stored([&](CArchive& ar) { WriteCalendarDateTime(ar, value); });
    EXPECT_EQ(bytes, test::StreamBytes{}.Long(2).Double(45352.5).bytes);
    MemoryStream stream(bytes);
    CArchive ar(stream, CArchive::Mode::Load);
    EXPECT_EQ(ReadCalendarDateTime(ar), value);
    EXPECT_NE(value, (CalendarDateTime{CalendarDateTime::kValid, 45352.5}));
}

class LocalTimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tz = std::getenv("TZ");
        savedTz_ = tz ? tz : "";
        hadTz_ = tz != nullptr;
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
        ResetApp();
    }
    void TearDown() override {
        if (hadTz_)
            setenv("TZ", savedTz_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
        ResetApp();
    }
    std::string savedTz_;
    bool hadTz_ = false;
};

TEST_F(LocalTimeTest, TimeStampsConvertThroughLocalTime) {
    // 2001-09-09 01:46:40 UTC is 03:46:40 summer time in Berlin.
    EXPECT_EQ(*LocalFromTimeStamp(1000000000), (DateParts{2001, 9, 9, 3, 46, 40}));
    EXPECT_EQ(TimeStampFromLocal({2001, 9, 9, 3, 46, 40}), 1000000000);
    EXPECT_EQ(TimeStampFromLocal({1970, 1, 1, 1, 0, 0}), 0);
    EXPECT_FALSE(TimeStampFromLocal({2040, 1, 1}));  // beyond 32 bits
    EXPECT_EQ(DateTimeFromTimeStamp(0), 25569.0 + 1.0 / 24);

    App().now = [] { return std::time_t{1000000000}; };
    EXPECT_EQ(NowAsDateTime(), *DateTimeFromParts({2001, 9, 9, 3, 46, 40}));
}

TEST(DateTime, FormatsACalendarDate) {
    EXPECT_EQ(FormatDate(DateParts{2024, 3, 1, 17, 5, 0}), "01.03.2024");
}

}  // namespace
}  // namespace kadenzo
