// The workout search over a 100,000-workout log (about twenty years of
// training): the dialog's typical criteria, and the case where every
// workout has to be looked at through its template (the category).
#include <benchmark/benchmark.h>

#include <random>

#include "Database.h"
#include "Library.h"
#include "WorkoutSearch.h"

namespace kadenzo {
namespace {

constexpr int kToday = 45658;  // 1 January 2025

struct SearchLog {
    SearchLog() {
        for (std::uint32_t id = 1; id <= 40; ++id) {
            auto workoutTemplate = std::make_unique<CLibWorkout>();
            workoutTemplate->id = id;
            workoutTemplate->name = "Template " + std::to_string(id);
            workoutTemplate->categoryId = id % 6 + 1;
            library.workoutTemplates.Add(std::move(workoutTemplate));
        }
        std::mt19937 random(7);
        const double first = kToday - 20 * 365.25;
        for (int i = 0; i < 100000; ++i) {
            auto w = std::make_unique<CWorkOut>();
            w->date = first + 20 * 365.25 * i / 100000.0 + 0.75;
            w->templateId = random() % 40 + 1;
            w->sportId = (w->templateId - 1) % 8 + 1;
            w->duration = 30 + random() % 120;
            w->distance = 5 + random() % 40;
            w->averagePulse = static_cast<std::uint8_t>(130 + random() % 30);
            if (i % 3 == 0) w->partDistance = w->distance / 2;
            if (i % 5 == 0) w->notes = "Felt fine, windy on the way back";
            log.AppendWorkout(std::move(w));
        }
        settings.lastDay = kToday;
    }

    CLibrary library;
    CDatabase log;
    SearchSettings settings;
};

void RunSearch(benchmark::State& state, const std::vector<SearchCriterion>& criteria) {
    static const SearchLog data;
    std::size_t found = 0;
    for (auto _ : state) {
        found = FindWorkouts(data.log, criteria, data.library, data.settings).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = static_cast<double>(found);
}

void BM_SearchDistanceAndComment(benchmark::State& state) {
    RunSearch(state,
              {*TypedCriterion(SearchProperty::Distance, SearchOperator::AtLeast, "20"),
               *TypedCriterion(SearchProperty::Comment, SearchOperator::Contains, "windy"),
               *DateCriterion(SearchProperty::Date, SearchOperator::AtLeast, kToday - 3650)});
}
BENCHMARK(BM_SearchDistanceAndComment)->Unit(benchmark::kMillisecond);

void BM_SearchCategoryEveryWorkout(benchmark::State& state) {
    RunSearch(state, {*ItemCriterion(SearchProperty::Category, SearchOperator::Equal, 3, "Three"),
                      *TypedCriterion(SearchProperty::Comment, SearchOperator::Equal,
                                      "FELT FINE, WINDY ON THE WAY BACK")});
}
BENCHMARK(BM_SearchCategoryEveryWorkout)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kadenzo
