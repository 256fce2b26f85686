#include <gtest/gtest.h>

#include <map>

#include "DiaryDates.h"
#include "PrintFontSearch.h"
#include "PrintPagination.h"

namespace kadenzo {
namespace {

// 2024-01-01 was a Monday.
const int kNewYearMonday = 45292;

std::vector<int> Mondays(const std::vector<DiaryPagination::PlacedWeek>& weeks) {
    std::vector<int> result;
    for (const auto& w : weeks) result.push_back(w.monday - kNewYearMonday);
    return result;
}

TEST(DiaryPagination, FourNominalWeeksFitOnePage) {
    DiaryPagination p;
    p.Start(kNewYearMonday + 2, kNewYearMonday + 27);  // starts on a Wednesday: back to Monday
    auto weeks = p.LayOutPage(1, 0, 430, 10, [](int) { return 100; });
    EXPECT_EQ(Mondays(weeks), (std::vector<int>{0, 7, 14, 21}));
    EXPECT_EQ(weeks[3].top, 330);
    EXPECT_EQ(p.PageCount(), 1);
    EXPECT_TRUE(p.Complete());
}

TEST(DiaryPagination, ATallWeekStartsANewPage) {
    std::map<int, int> heights = {{kNewYearMonday + 7, 250}};
    auto height = [&](int monday) { return heights.count(monday) ? heights[monday] : 100; };
    DiaryPagination p;
    p.Start(kNewYearMonday, kNewYearMonday + 27);
    EXPECT_EQ(Mondays(p.LayOutPage(1, 0, 300, 10, height)), (std::vector<int>{0}));
    EXPECT_EQ(p.PageCount(), 2);
    EXPECT_FALSE(p.Complete());
    EXPECT_EQ(Mondays(p.LayOutPage(2, 0, 300, 10, height)), (std::vector<int>{7}));
    EXPECT_EQ(Mondays(p.LayOutPage(3, 0, 300, 10, height)), (std::vector<int>{14, 21}));
    EXPECT_EQ(p.PageCount(), 3);
    EXPECT_TRUE(p.Complete());
    EXPECT_TRUE(p.LayOutPage(4, 0, 300, 10, height).empty());
}

TEST(DiaryPagination, PrintingAPageAgainDoesNotMoveLaterPages) {
    DiaryPagination p;
    p.Start(kNewYearMonday, kNewYearMonday + 41);
    auto height = [](int) { return 200; };
    EXPECT_EQ(Mondays(p.LayOutPage(1, 0, 420, 10, height)), (std::vector<int>{0, 7}));
    EXPECT_EQ(Mondays(p.LayOutPage(2, 0, 420, 10, height)), (std::vector<int>{14, 21}));
    EXPECT_EQ(Mondays(p.LayOutPage(1, 0, 420, 10, height)), (std::vector<int>{0, 7}));
    EXPECT_EQ(Mondays(p.LayOutPage(3, 0, 420, 10, height)), (std::vector<int>{28, 35}));
    EXPECT_EQ(p.PageCount(), 3);
}

TEST(DiaryPagination, OversizedWeeksGetAPageEachAndAnInvertedRangePrintsOneWeek) {
    DiaryPagination p;
    p.Start(kNewYearMonday, kNewYearMonday + 13);
    auto height = [](int) { return 1000; };
    EXPECT_EQ(Mondays(p.LayOutPage(1, 0, 300, 10, height)), (std::vector<int>{0}));
    EXPECT_EQ(Mondays(p.LayOutPage(2, 0, 300, 10, height)), (std::vector<int>{7}));
    EXPECT_TRUE(p.Complete());
    p.Start(kNewYearMonday + 10, kNewYearMonday);
    EXPECT_EQ(Mondays(p.LayOutPage(1, 0, 1000, 10, height)), (std::vector<int>{7}));
    EXPECT_EQ(p.PageCount(), 1);
}

TEST(LabelFontSearch, TakesTheLargestSizeThatFitsBothWays) {
    // Width grows 10 per point, line height 2 per point.
    auto measure = [](double points) { return LineExtent{points * 10, points * 2}; };
    EXPECT_DOUBLE_EQ(ChooseLabelPointSize(measure, 1000, 1000), 19.5);
    EXPECT_DOUBLE_EQ(ChooseLabelPointSize(measure, 125, 1000), 12.5);
    EXPECT_DOUBLE_EQ(ChooseLabelPointSize(measure, 1000, 100), 8.0);  // 6 lines of 16
    EXPECT_DOUBLE_EQ(ChooseLabelPointSize(measure, 1, 1), kSmallestLabelPoints);
}

TEST(LabelFontSearch, WidestLineOfAllLabels) {
    auto width = [](const std::string& s) { return static_cast<double>(s.size()); };
    EXPECT_EQ(WidestLabelLine({"Lauf\n12.0km in 1:00", "Schwimmen (Rad)\n0:30"}, width),
              "Schwimmen (Rad)");
    EXPECT_EQ(WidestLabelLine({}, width), kLabelSampleLine);
}

TEST(DiaryDates, MondaysAndIsoDays) {
    EXPECT_EQ(Weekday(kNewYearMonday), 0);
    EXPECT_EQ(MondayOnOrBefore(kNewYearMonday + 6), kNewYearMonday);  // a Sunday: six days back
    EXPECT_EQ(MondayOnOrBefore(kNewYearMonday), kNewYearMonday);
    int day = 0;
    ASSERT_TRUE(ParseIsoDay("2024-01-07", &day));
    EXPECT_EQ(day, kNewYearMonday + 6);
    EXPECT_FALSE(ParseIsoDay("2024-02-30", &day));
    EXPECT_FALSE(ParseIsoDay("2024-1-07", &day));
    EXPECT_FALSE(ParseIsoDay("20x4-01-07", &day));
    CalendarDay c = ToCalendar(kNewYearMonday + 59);
    EXPECT_EQ(c.month, 2);
    EXPECT_EQ(c.day, 29);
}

}  // namespace
}  // namespace kadenzo
