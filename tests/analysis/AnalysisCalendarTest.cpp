// Week numbers, where a range starts, period labels and paging.
#include <gtest/gtest.h>

#include "AnalysisCalendar.h"
#include "AnalysisFixture.h"
#include "AnalysisViewState.h"
#include "CalendarDays.h"
#include "ResourceIds.h"
#include "WheelPaging.h"

namespace kadenzo::test {
namespace {

TEST(WeekOfYearTest, YearEndsAndCenturies) {
    struct Case {
        int year, month, day;
        WeekNumber expected;
    } const cases[] = {
        {2004, 1, 1, {1, 2004}},     // a Thursday: the week holding it is week 1
        {2005, 1, 1, {53, 2004}},    // a Saturday: still the last week of 2004
        {2003, 12, 31, {53, 2003}},  // the end of December stays in its own year
        {2004, 12, 27, {53, 2004}}, {2010, 1, 3, {53, 2009}},  // the Sunday before the first Monday
        {2010, 1, 4, {1, 2010}},    {2100, 3, 7, {9, 2100}},   // 2100 has no 29 February
        {2101, 1, 2, {52, 2100}},                              // 1 January 2101 is a Saturday
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(WeekOfYear(c.year, c.month, c.day), c.expected);
    }
    EXPECT_FALSE(WeekOfYear(2004, 2, 30));
}

TEST(RangeTest, StartDays) {
    struct Case {
        int command, reference, start;
    } const cases[] = {
        // A Wednesday: three weeks before the Monday of its week.
        {ID_RANGE_4_WEEKS, Day(2024, 3, 13), Day(2024, 2, 19)},
        {ID_RANGE_1_WEEK, Day(2024, 3, 11), Day(2024, 3, 11)},
        {ID_RANGE_7_DAYS, Day(2024, 3, 13), Day(2024, 3, 7)},
        {ID_RANGE_12_MONTHS, Day(2004, 2, 15), Day(2003, 3, 1)},
        {ID_RANGE_1_MONTH, Day(2004, 1, 20), Day(2004, 1, 1)},
        {ID_RANGE_3_MONTHS, Day(2004, 1, 31), Day(2003, 11, 1)},
        // The last of five years is always the reference day's, also on the
        // last day of a leap year.
        {ID_RANGE_5_YEARS, Day(2008, 12, 31), Day(2004, 1, 1)},
        {ID_RANGE_2_YEARS, Day(2008, 12, 31), Day(2007, 1, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(FindRange(c.command)->name);
        EXPECT_EQ(RangeStartDay(c.reference, *FindRange(c.command)), c.start);
    }
}

TEST(RangeTest, FourWeeksEndOnTheMondayAfterTheReferenceWeek) {
    const auto periods =
        RangePeriods(Day(2024, 3, 13), *FindRange(ID_RANGE_4_WEEKS), EmptyStringTable{});
    ASSERT_EQ(periods.size(), 4u);
    EXPECT_EQ(periods.front().startDay, Day(2024, 2, 19));
    EXPECT_EQ(periods[1].startDay, periods[0].endDay);
    EXPECT_EQ(periods.back().endDay, Day(2024, 3, 18));
    EXPECT_EQ(FindRange(ID_RANGE_4_WEEKS)->SlotsPerPeriod(), 15);
    EXPECT_EQ(FindRange("5-years")->SlotsPerPeriod(), 12);
    EXPECT_EQ(FindRange("6-weeks"), nullptr);
}

TEST(RangeTest, PeriodLabels) {
    AnalysisTexts texts;
    auto labels = [&](int command, int reference, const StringTable& table) {
        std::vector<std::string> out;
        for (const PeriodSpan& p : RangePeriods(reference, *FindRange(command), table))
            out.push_back(p.label);
        return out;
    };
    using Labels = std::vector<std::string>;
    // The week of a Monday in late December keeps that year.
    EXPECT_EQ(labels(ID_RANGE_2_WEEKS, Day(2004, 1, 1), texts), (Labels{"KW 52/03", "KW 53/03"}));
    EXPECT_EQ(labels(ID_RANGE_1_WEEK, Day(2005, 1, 5), EmptyStringTable{}), (Labels{"W1/05"}));
    EXPECT_EQ(labels(ID_RANGE_1_WEEK, Day(1999, 12, 29), EmptyStringTable{}), (Labels{"W52/99"}));
    EXPECT_EQ(labels(ID_RANGE_3_MONTHS, Day(2004, 4, 2), texts),
              (Labels{"Feb.04", "M\xE4r.04", "Apr.04"}));
    EXPECT_EQ(labels(ID_RANGE_2_YEARS, Day(2004, 4, 2), texts), (Labels{"2003", "2004"}));
    EXPECT_EQ(labels(ID_RANGE_7_DAYS, Day(2024, 3, 13), texts).back(), "13.03.2024");
}

TEST(RangeTest, WheelPagesOnlyOnAClearTurn) {
    EXPECT_EQ(WheelCommand(120), ID_PAGE_BACK);
    EXPECT_EQ(WheelCommand(21), ID_PAGE_BACK);
    EXPECT_EQ(WheelCommand(20), 0);
    EXPECT_EQ(WheelCommand(0), 0);  // sideways scrolling
    EXPECT_EQ(WheelCommand(-20), 0);
    EXPECT_EQ(WheelCommand(-120), ID_PAGE_FORWARD);
}

}  // namespace
}  // namespace kadenzo::test
