// Training load and form on a 100,000-workout log of twenty years (body data
// twice a week, a maximum test twice a year, the last weeks planned from
// templates in per cent of the maximum): the whole series, the update
// after an edit near the end, and the legend's facts with the next race.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "Database.h"
#include "DateTime.h"
#include "FormLayout.h"
#include "FormRaces.h"
#include "FormSeries.h"
#include "Library.h"

// A namespace of its own: the benchmarks are compiled together as one.
namespace kadenzo::form_bench {
namespace {

constexpr int kWorkouts = 100000;
constexpr int kToday = 45658;  // 1 January 2025
constexpr int kLogDays = 20 * 365;
constexpr int kPlannedDays = 35;

struct FormLog {
    FormLog() {
        auto& races = library.categories.AddNew();
        for (std::uint32_t id = 1; id <= 30; ++id) {
            auto& workout = library.workoutTemplates.AddNew();
            if (id == 30) workout.categoryId = races.id;
            workout.pulseLow = 55 + id % 10;
            workout.pulseHigh = 70 + id % 15;
            workout.pulseRelative = id % 3 != 0;
        }
        std::mt19937 random(3);
        const int first = kToday - kLogDays + kPlannedDays;
        std::vector<double> dates(kWorkouts);
        for (double& d : dates) d = first + static_cast<double>(random() % kLogDays) + 0.5;
        std::sort(dates.begin(), dates.end());
        for (int i = 0; i < kWorkouts; ++i) {
            auto w = std::make_unique<CWorkOut>();
            w->date = dates[static_cast<std::size_t>(i)];
            w->templateId = static_cast<std::uint32_t>(random() % 30 + 1);
            w->plannedDuration = 30 + random() % 90;
            if (w->date < kToday) {
                w->duration = w->plannedDuration + random() % 10;
                w->averagePulse = static_cast<std::uint8_t>(random() % 4 ? 120 + random() % 50 : 0);
                w->targetFixed = 1;
                w->targetPulseLow = 125;
                w->targetPulseHigh = 145;
                w->maxPulseTest = i % 500 == 0;
                w->maxPulse = static_cast<std::uint8_t>(180 + random() % 15);
            }
            log.AppendWorkout(std::move(w));
        }
        for (int day = first; day < kToday; day += 3 + day % 2) {
            CBodyInfo info({CalendarDateTime::kValid, NoonOfDayNumber(day)});
            info.weight = 70;
            info.value3 = static_cast<std::int32_t>(45 + random() % 10);
            log.AppendBodyInfo(std::make_unique<CBodyInfo>(info));
        }
        context = {&library, kToday, 188};
        raceCategory = races.id;
    }

    CLibrary library;
    CDatabase log;
    FormContext context;
    std::uint32_t raceCategory = 0;
};

FormLog& Log() {
    static FormLog log;
    return log;
}

void BM_FormWholeSeries(benchmark::State& state) {
    const FormLog& data = Log();
    for (auto _ : state) {
        FormSeries series;
        series.Compute(data.log, data.context);
        benchmark::DoNotOptimize(series.At(kToday).form);
    }
}
BENCHMARK(BM_FormWholeSeries)->Unit(benchmark::kMillisecond);

// A workout three weeks before today changes its heart rate; the series
// follows from that day on.
void BM_FormUpdateAfterEdit(benchmark::State& state) {
    FormLog& data = Log();
    FormSeries series;
    series.Compute(data.log, data.context);
    const double editedDay = kToday - 21;
    auto edited = data.log.FirstWorkoutFrom(editedDay);
    for (auto _ : state) {
        (*edited)->averagePulse = static_cast<std::uint8_t>((*edited)->averagePulse ^ 1);
        series.Update(data.log, data.context, static_cast<int>(editedDay));
        benchmark::DoNotOptimize(series.At(kToday).form);
    }
}
BENCHMARK(BM_FormUpdateAfterEdit)->Unit(benchmark::kMicrosecond);

// What the legend asks after every change: the next race, the ramp days and
// the unrated workouts by reason.
void BM_FormLegendWithNextRace(benchmark::State& state) {
    const FormLog& data = Log();
    FormSeries series;
    series.Compute(data.log, data.context);
    for (auto _ : state) {
        const std::optional<FormRace> race =
            NextRace(data.log, data.library, data.raceCategory, kToday);
        const FormLegendFacts facts = LegendFacts(series, {}, kToday, true, race);
        benchmark::DoNotOptimize(facts.rampDays);
    }
}
BENCHMARK(BM_FormLegendWithNextRace)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kadenzo::form_bench
