// On the demo diary the chart and the statistics dialog tell the same story:
// every sport's hours and kilometres over twelve weeks agree.
#include <gtest/gtest.h>

#include <ctime>
#include <map>

#include "Aggregation.h"
#include "AnalysisFixture.h"
#include "DemoDiary.h"
#include "SportStatistics.h"
#include "Units.h"

namespace kadenzo::test {
namespace {

std::time_t FixedToday() {
    std::tm tm{};
    tm.tm_year = 124;
    tm.tm_mon = 2;
    tm.tm_mday = 13;
    tm.tm_hour = 10;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

// Each sport's sum over all periods of the chart.
std::map<std::string, double> ChartTotals(const AnalysisResult& result) {
    std::map<std::string, double> totals;
    for (const ShownPeriod& period : result.periods)
        for (const ShownGroup& group : period.groups) totals[group.name] += group.sum;
    return totals;
}

TEST(DemoAgreementTest, ChartAndStatisticsAgreePerSport) {
    const DocumentContents demo = tool::MakeDemoDiary(FixedToday());
    const int today = Day(2024, 3, 13);
    for (bool distance : {false, true}) {
        SCOPED_TRACE(distance ? "distance" : "duration");
        AnalysisChoice choice{ID_RANGE_12_WEEKS, distance, kKeySport, kKeyNone, kKeyNone, 0, today};
        const AnalysisResult chart =
            Analyse(*demo.log, *demo.library, UnitSettings{}, EmptyStringTable{}, choice);
        ASSERT_EQ(chart.periods.size(), 12u);
        const SportStatistics stats =
            ComputeSportStatistics(*demo.log, *demo.library, chart.periods.front().span.startDay,
                                   chart.periods.back().span.endDay - 1);

        std::map<std::string, double> fromStatistics;
        for (const StatisticsRow& row : stats.rows) {
            const double value = distance ? row.distance : row.duration / 60;
            if (value != 0) fromStatistics[row.Text()] = value;
        }
        const std::map<std::string, double> fromChart = ChartTotals(chart);
        ASSERT_GE(fromChart.size(), 3u);  // running, cycling, swimming (and strength by time)
        ASSERT_EQ(fromChart.size(), fromStatistics.size());
        for (const auto& [sport, total] : fromChart) {
            SCOPED_TRACE(sport);
            EXPECT_NEAR(fromStatistics[sport], total, 1e-9);
        }
    }
}

}  // namespace
}  // namespace kadenzo::test
