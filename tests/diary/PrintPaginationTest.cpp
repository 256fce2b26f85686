#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "CalendarDays.h"
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

// Pages are laid out one after the other as the printer asks for them; the
// page count grows by one while the range's end is not yet placed.
TEST(DiaryPagination, WeeksFillPagesInOrder) {
    struct Case {
        const char* what;
        int first, last;  // from kNewYearMonday
        int bottom;
        int usual;                                            // a week's height
        std::map<int, int> heights;                           // of some Mondays from kNewYearMonday
        std::vector<std::pair<int, std::vector<int>>> pages;  // page, its Mondays
    } cases[] = {
        {"four weeks from a Wednesday", 2, 27, 430, 100, {}, {{1, {0, 7, 14, 21}}}},
        {"a tall week", 0, 27, 300, 100, {{7, 250}}, {{1, {0}}, {2, {7}}, {3, {14, 21}}, {4, {}}}},
        {"again", 0, 41, 420, 200, {}, {{1, {0, 7}}, {2, {14, 21}}, {1, {0, 7}}, {3, {28, 35}}}},
        {"oversized weeks, a page each", 0, 13, 300, 1000, {}, {{1, {0}}, {2, {7}}}},
        {"an inverted range: one week", 10, 0, 1000, 1000, {}, {{1, {7}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto height = [&c](int monday) {
            const auto it = c.heights.find(monday - kNewYearMonday);
            return it == c.heights.end() ? c.usual : it->second;
        };
        DiaryPagination p;
        p.Start(kNewYearMonday + c.first, kNewYearMonday + c.last);
        int lastFilled = 0;
        for (std::size_t i = 0; i < c.pages.size(); ++i) {
            const auto& [page, mondays] = c.pages[i];
            const auto weeks = p.LayOutPage(page, 0, c.bottom, 10, height);
            EXPECT_EQ(Mondays(weeks), mondays) << "page " << page;
            if (!weeks.empty()) lastFilled = std::max(lastFilled, page);
            const bool done = i + 1 == c.pages.size() || c.pages[i + 1].second.empty();
            EXPECT_EQ(p.Complete(), done) << "page " << page;
            EXPECT_EQ(p.PageCount(), lastFilled + (done ? 0 : 1)) << "page " << page;
        }
    }
    DiaryPagination p;
    p.Start(kNewYearMonday, kNewYearMonday + 27);
    EXPECT_EQ(p.LayOutPage(1, 0, 430, 10, [](int) { return 100; })[3].top, 330);
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

// Weekdays and Mondays on both sides of day 0 are the calendar days' own test.
TEST(DiaryDates, IsoDays) {
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
