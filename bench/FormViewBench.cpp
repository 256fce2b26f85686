// The form view on a 100,000-workout diary of twenty years (the last five
// weeks planned, a race four weeks ahead): what the athlete waits for when a
// planned workout changes (the document's edit with its undo step, then the
// view: the series from that day on, the next race, the legend, the chart
// laid out again), the view's share alone, and the text of a day the pointer
// or the arrow keys reach.
#ifdef KADENZO_HAS_FORM_WIDGETS
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "AppContext.h"
#include "BenchGui.h"
#include "DateTime.h"
#include "DocumentEdits.h"
#include "FormChart.h"
#include "FormView.h"
#include "KadenzoDoc.h"
#include "Library.h"

// A namespace of its own: the benchmarks are compiled together as one.
namespace kadenzo::form_view_bench {
namespace {

constexpr int kWorkouts = 100000;
constexpr int kToday = 45658;  // 1 January 2025
constexpr int kLogDays = 20 * 365;
constexpr int kPlannedDays = 35;
constexpr std::uint32_t kRaceCategory = 6;

struct FormDiary {
    FormDiary() {
        EnsureGuiApplication();
        context.clock = [] { return std::time_t{1735732800}; };  // 1 January 2025, 12:00 UTC
        CLibrary& library = *context.library;
        for (std::uint32_t id = 1; id <= kRaceCategory; ++id) library.categories.AddNew().id = id;
        for (std::uint32_t id = 1; id <= 30; ++id) {
            auto& workout = library.workoutTemplates.AddNew();
            workout.name = "Template " + std::to_string(id);
            workout.categoryId = id == 30 ? kRaceCategory : 1;
            workout.pulseLow = 60;
            workout.pulseHigh = 75;
            workout.pulseRelative = 1;
        }
        auto log = std::make_unique<CDatabase>();
        std::mt19937 random(5);
        const int first = kToday - kLogDays + kPlannedDays;
        for (int i = 0; i < kWorkouts; ++i) {
            auto w = std::make_unique<CWorkOut>();
            // Spread evenly, in date order as the diary keeps them.
            w->date = first + static_cast<double>(i) * kLogDays / kWorkouts;
            const int day = DayNumber(w->date);
            w->templateId = static_cast<std::uint32_t>(random() % 29 + 1);
            if (day == kToday + 28) w->templateId = 30;
            w->plannedDuration = 30 + random() % 90;
            if (day < kToday) {
                w->duration = w->plannedDuration;
                w->averagePulse = static_cast<std::uint8_t>(120 + random() % 40);
                // Done workouts keep the targets they had (the document
                // fixes them once they are due).
                w->targetFixed = 1;
                w->targetPulseLow = 125;
                w->targetPulseHigh = 145;
            }
            log->AppendWorkout(std::move(w));
        }
        document = std::make_unique<CKadenzoDoc>(context);
        DocumentContents contents;
        contents.log = std::move(log);
        contents.maxHeartRate = 188;
        document->SetContents(std::move(contents));
        view = std::make_unique<CFormView>(*document, nullptr);
        view->resize(1000, 700);
        view->show();
    }

    AppContext context;
    std::unique_ptr<CKadenzoDoc> document;
    std::unique_ptr<CFormView> view;
};

FormDiary& Diary() {
    static FormDiary diary;
    return diary;
}

void BM_FormViewFollowsAPlanEdit(benchmark::State& state) {
    FormDiary& diary = Diary();
    CKadenzoDoc& doc = *diary.document;
    auto planned = doc.Log().FirstWorkoutFrom(kToday + 3);
    for (auto _ : state) {
        CWorkOut changed = **planned;
        changed.plannedDuration = changed.plannedDuration == 60 ? 90 : 60;
        edit::ReplaceWorkout(doc, planned, changed);
        planned = doc.Log().FirstWorkoutFrom(kToday + 3);
        benchmark::DoNotOptimize(diary.view->Chart()->Layout().dayWidth);
    }
}
BENCHMARK(BM_FormViewFollowsAPlanEdit)->Unit(benchmark::kMillisecond);

// The view's own share: the series from a day of the plan on, the next
// race, the legend and the chart laid out again.
void BM_FormViewRefillAfterChange(benchmark::State& state) {
    FormDiary& diary = Diary();
    DocumentChange change = DocumentChange::Of(DocumentChange::kWorkouts);
    change.AddDays(kToday + 3, kToday + 3);
    for (auto _ : state) {
        diary.view->OnDocumentChanged(change);
        benchmark::DoNotOptimize(diary.view->Chart()->Layout().dayWidth);
    }
}
BENCHMARK(BM_FormViewRefillAfterChange)->Unit(benchmark::kMicrosecond);

void BM_FormViewDayText(benchmark::State& state) {
    const FormDiary& diary = Diary();
    int day = kToday;
    for (auto _ : state) {
        const QString text = diary.view->DayText(day);
        benchmark::DoNotOptimize(text.size());
        day = day == kToday + 28 ? kToday : day + 1;
    }
}
BENCHMARK(BM_FormViewDayText)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kadenzo::form_view_bench
#endif
