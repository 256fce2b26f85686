// The analysis on a 100,000-workout log spanning five years: rebuilding the
// chart (date index, sums, order, chart content) and repainting it.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "Aggregation.h"
#include "AnalysisCalendar.h"
#include "ChartContent.h"
#include "Database.h"
#include "Library.h"
#include "StringTable.h"
#include "Units.h"

#ifdef KADENZO_HAS_ANALYSIS_WIDGETS
#include <QImage>

#include "AnalysisChart.h"
#include "BenchGui.h"
#endif

namespace kadenzo {
namespace {

constexpr int kWorkouts = 100000;
constexpr std::uint32_t kSports = 10;
constexpr std::uint32_t kCategories = 6;
constexpr std::uint32_t kTemplates = 30;

struct FiveYears {
    FiveYears() {
        for (std::uint32_t id = 1; id <= kCategories; ++id) {
            auto& category = library.categories.AddNew();
            category.id = id;
            category.name = "Category " + std::to_string(id);
            category.colour = 0x205080u * id;
        }
        for (std::uint32_t id = 1; id <= kSports; ++id) {
            auto& sport = library.sports.AddNew();
            sport.id = id;
            sport.name = "Sport " + std::to_string(id);
            auto& subSport = library.subSports.AddNew();
            subSport.id = id;
            subSport.sportId = id;
        }
        for (std::uint32_t id = 1; id <= kTemplates; ++id) {
            auto& workout = library.workoutTemplates.AddNew();
            workout.id = id;
            workout.categoryId = id % kCategories + 1;
            workout.sportId = id % kSports + 1;
        }
        today = DayNumberOf(2024, 3, 13).value();
        const int first = DayNumberOf(2019, 3, 14).value();
        std::mt19937 random(11);
        std::vector<double> dates(kWorkouts);
        for (double& d : dates)
            d = first + static_cast<double>(random() % static_cast<unsigned>(today + 1 - first)) +
                (random() % 24) / 24.0;
        std::sort(dates.begin(), dates.end());
        for (double date : dates) {
            auto w = std::make_unique<CWorkOut>();
            w->date = date;
            w->templateId = static_cast<std::uint32_t>(random() % kTemplates + 1);
            w->sportId = library.FindWorkout(w->templateId)->sportId;
            w->subSportId = w->sportId;
            w->duration = 30 + random() % 90;
            w->distance = (random() % 200) / 10.0;
            log.AppendWorkout(std::move(w));
        }
    }
    AnalysisChoice Choice(int range, std::int32_t group, std::int32_t layer) const {
        return {range, false, group, layer, kKeyNone, 0, today};
    }

    CLibrary library;
    CDatabase log;
    UnitSettings units;
    EmptyStringTable texts;
    int today = 0;
};

FiveYears& Log() {
    static FiveYears log;
    return log;
}

// What the view does on each of its commands: sums, orders, fills the chart.
void BM_AnalysisRebuild(benchmark::State& state) {
    FiveYears& data = Log();
    const AnalysisChoice choice = data.Choice(static_cast<int>(state.range(0)), kKeyCategory,
                                              static_cast<std::int32_t>(state.range(1)));
    for (auto _ : state) {
        ChartContent content;
        FillChartContent(Analyse(data.log, data.library, data.units, data.texts, choice), content);
        benchmark::DoNotOptimize(content.Peak());
    }
    state.SetLabel(FindRange(choice.rangeCommand)->name);
}
BENCHMARK(BM_AnalysisRebuild)
    ->Args({ID_RANGE_5_YEARS, kKeyNone})
    ->Args({ID_RANGE_5_YEARS, kKeySport})
    ->Args({ID_RANGE_12_WEEKS, kKeyTemplate})
    ->Args({ID_RANGE_4_WEEKS, kKeyNone})
    ->Unit(benchmark::kMillisecond);

// Five years of weekly periods (261 of them), summed by category and sport.
void BM_AnalysisFiveYearsByWeek(benchmark::State& state) {
    FiveYears& data = Log();
    const AnalysisRange weeks{0, 261, RangeUnit::Weeks, "261-weeks"};
    const AnalysisChoice choice = data.Choice(ID_RANGE_1_WEEK, kKeyCategory, kKeySport);
    for (auto _ : state) {
        const auto periods = SumPeriods(data.log, data.library, data.units,
                                        RangePeriods(data.today, weeks, data.texts), choice);
        const auto order = OrderGroups(periods, kKeyCategory, 12, data.library);
        benchmark::DoNotOptimize(order.data());
    }
}
BENCHMARK(BM_AnalysisFiveYearsByWeek)->Unit(benchmark::kMillisecond);

#ifdef KADENZO_HAS_ANALYSIS_WIDGETS
// A full repaint of the chart as the view shows it on a large window.
void BM_AnalysisRepaint(benchmark::State& state) {
    EnsureGuiApplication();
    FiveYears& data = Log();
    const AnalysisChoice choice = data.Choice(static_cast<int>(state.range(0)), kKeyCategory,
                                              static_cast<std::int32_t>(state.range(1)));
    ChartContent content;
    FillChartContent(Analyse(data.log, data.library, data.units, data.texts, choice), content);
    CAnalysisChart chart;
    chart.SetContent(std::move(content));
    chart.resize(1360, 820);
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        chart.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
    state.SetLabel(FindRange(choice.rangeCommand)->name);
}
BENCHMARK(BM_AnalysisRepaint)
    ->Args({ID_RANGE_5_YEARS, kKeySport})
    ->Args({ID_RANGE_1_WEEK, kKeySport})
    ->Args({ID_RANGE_4_WEEKS, kKeyNone})
    ->Unit(benchmark::kMillisecond);
#endif

}  // namespace
}  // namespace kadenzo
