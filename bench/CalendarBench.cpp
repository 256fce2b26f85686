// The plan as a calendar from a 100,000-workout diary of twenty years, every
// workout with a plan: the whole diary as one calendar (the worst a file
// written after every save can meet), and the default from today on, which
// holds the last five weeks' plan.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "AppContext.h"
#include "DateTime.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "PlanCalendar.h"

// A namespace of its own: the benchmarks are compiled together as one.
namespace kadenzo::calendar_bench {
namespace {

constexpr int kWorkouts = 100000;
constexpr int kToday = 45658;  // 1 January 2025
constexpr int kLogDays = 20 * 365;
constexpr int kPlannedDays = 35;

struct CalendarDiary {
    CalendarDiary() {
        context.clock = [] { return std::time_t{1735732800}; };  // 1 January 2025, 12:00 UTC
        CLibrary& library = *context.library;
        auto& category = library.categories.AddNew();
        category.name = "Endurance, long";
        auto& sport = library.sports.AddNew();
        sport.name = "Running";
        for (int i = 0; i < 30; ++i) {
            auto& workout = library.workoutTemplates.AddNew();
            workout.name = "Template " + std::to_string(i);
            workout.categoryId = category.id;
            workout.sportId = sport.id;
            workout.pulseLow = 60;
            workout.pulseHigh = 75;
        }
        auto log = std::make_unique<CDatabase>();
        std::mt19937 random(7);
        const int first = kToday - kLogDays + kPlannedDays;
        for (int i = 0; i < kWorkouts; ++i) {
            auto w = std::make_unique<CWorkOut>();
            const int day =
                first + static_cast<int>(static_cast<long long>(i) * kLogDays / kWorkouts);
            w->date = day + (6 + random() % 14) / 24.0;
            w->templateId = static_cast<std::uint32_t>(random() % 30 + 1);
            w->sportId = sport.id;
            w->plannedDuration = 30 + random() % 90;
            w->plannedDistance = random() % 3 ? 5 + random() % 20 : 0;
            if (random() % 5 == 0) w->planNote = "Warm up 15 min, then steady; cool down";
            log->AppendWorkout(std::move(w));
        }
        document = std::make_unique<CKadenzoDoc>(context);
        DocumentContents contents;
        contents.log = std::move(log);
        contents.maxHeartRate = 188;
        document->SetContents(std::move(contents));
    }

    AppContext context;
    std::unique_ptr<CKadenzoDoc> document;
};

CalendarDiary& Diary() {
    static CalendarDiary diary;
    return diary;
}

void BM_PlanCalendarWholeDiary(benchmark::State& state) {
    const CalendarDiary& diary = Diary();
    PlanCalendarRequest request;
    request.from = kToday - kLogDays;
    request.diaryName = "season.kdz";
    for (auto _ : state) {
        const std::string text = PlanCalendar(*diary.document, request);
        benchmark::DoNotOptimize(text.size());
    }
}
BENCHMARK(BM_PlanCalendarWholeDiary)->Unit(benchmark::kMillisecond);

void BM_PlanCalendarFromToday(benchmark::State& state) {
    const CalendarDiary& diary = Diary();
    PlanCalendarRequest request;
    request.diaryName = "season.kdz";
    for (auto _ : state) {
        const std::string text = PlanCalendar(*diary.document, request);
        benchmark::DoNotOptimize(text.size());
    }
}
BENCHMARK(BM_PlanCalendarFromToday)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kadenzo::calendar_bench
