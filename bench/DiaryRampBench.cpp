// The diary's ramp marks after a change of the plan, on a 100,000-workout log
// of twenty years whose last five weeks are planned: the series from the
// changed day on, then the mark of each of the four weeks shown. The diary
// does this once per change of the document, never while painting.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "Database.h"
#include "FormSeries.h"
#include "Library.h"

// A namespace of its own: the benchmarks are compiled together as one.
namespace kadenzo::diary_ramp_bench {
namespace {

constexpr int kWorkouts = 100000;
constexpr int kToday = 45658;  // Wednesday, 1 January 2025
constexpr int kMonday = kToday - 2;
constexpr int kLogDays = 20 * 365;
constexpr int kPlannedDays = 35;

struct PlannedLog {
    PlannedLog() {
        std::mt19937 random(5);
        const int first = kToday - kLogDays + kPlannedDays;
        std::vector<double> dates(kWorkouts);
        for (double& d : dates) d = first + static_cast<double>(random() % kLogDays) + 0.5;
        std::sort(dates.begin(), dates.end());
        for (double date : dates) {
            auto w = std::make_unique<CWorkOut>();
            w->date = date;
            w->plannedDuration = 30 + random() % 90;
            w->targetFixed = 1;
            w->targetPulseLow = 130;
            w->targetPulseHigh = 150;
            if (date < kToday) {
                w->duration = w->plannedDuration;
                w->averagePulse = static_cast<std::uint8_t>(120 + random() % 50);
            }
            log.AppendWorkout(std::move(w));
        }
        context = {&library, kToday, 188};
    }

    CLibrary library;
    CDatabase log;
    FormContext context;
};

void BM_DiaryRampMarksAfterAChange(benchmark::State& state) {
    PlannedLog data;
    FormSeries series;
    series.Compute(data.log, data.context);
    auto planned = data.log.FirstWorkoutFrom(kToday + 1.0);
    for (auto _ : state) {
        (*planned)->plannedDuration += 1;
        series.Update(data.log, data.context, kToday + 1);
        int marks = 0;
        for (int row = 0; row < 4; ++row) marks += WeekHoldsRampDay(series, kMonday + 7 * row);
        benchmark::DoNotOptimize(marks);
    }
}
BENCHMARK(BM_DiaryRampMarksAfterAChange)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kadenzo::diary_ramp_bench
