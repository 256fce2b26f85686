// The diary on a 100,000-workout log: a full repaint of the four weeks, and
// moving one week forward (refresh of every panel plus the repaint).
#include <benchmark/benchmark.h>

#include "AppContext.h"
#include "Database.h"
#include "CalendarDays.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "WeekTotals.h"

#ifdef KADENZO_HAS_DIARY_WIDGETS
#include <QImage>
#include <QPainter>

#include "BenchGui.h"
#include "DiaryView.h"
#endif

#include <algorithm>
#include <ctime>
#include <memory>
#include <random>
#include <vector>

namespace kadenzo {
namespace {

constexpr std::size_t kDiaryWorkouts = 100000;
constexpr int kFirstLogDay = 38000;  // 2004
constexpr int kLogDays = 20 * 365;

struct BigDiary {
    BigDiary() {
        auto library = std::make_unique<CLibrary>();
        for (std::uint32_t id = 1; id <= 4; ++id) {
            auto& category = library->categories.AddNew();
            category.id = id;
            category.name = "Category";
            category.colour = 0x3080C0u * id;
            auto& sport = library->sports.AddNew();
            sport.id = id;
            sport.name = "Sport";
            sport.iconId = id;
            auto& workout = library->workoutTemplates.AddNew();
            workout.id = id;
            workout.name = "Template";
            workout.categoryId = id;
            workout.sportId = id % 2 == 0 ? 0 : id;
        }
        // "Today" in the middle of the log.
        context.clock = [] { return std::time_t{1200000000}; };
        doc = std::make_unique<CKadenzoDoc>(context);
        auto log = std::make_unique<CDatabase>();
        std::mt19937 random(7);
        std::vector<double> dates(kDiaryWorkouts);
        for (double& d : dates) d = kFirstLogDay + static_cast<double>(random() % kLogDays) + 0.5;
        std::sort(dates.begin(), dates.end());
        for (std::size_t i = 0; i < kDiaryWorkouts; ++i) {
            auto w = std::make_unique<CWorkOut>();
            w->date = dates[i];
            w->templateId = static_cast<std::uint32_t>(i % 4 + 1);
            w->sportId = w->templateId;
            w->plannedDuration = 60;
            w->duration = 55;
            w->distance = 10;
            log->AddWorkout(std::move(w));
        }
        DocumentContents contents;
        contents.library = std::move(library);
        contents.log = std::move(log);
        doc->SetContents(std::move(contents));
    }
    AppContext context;
    std::unique_ptr<CKadenzoDoc> doc;
};

BigDiary& Diary() {
    static BigDiary diary;
    return diary;
}

void BM_DiaryWeekTotalsLookup(benchmark::State& state) {
    BigDiary& diary = Diary();
    int monday = MondayOnOrBefore(diary.context.Today());
    for (auto _ : state) {
        WeekTotals totals;
        for (CDatabase::ConstWorkoutPos pos :
             diary.doc->Log().WorkoutsBetween(monday, monday + 7.0))
            totals.Add(DayNumber((*pos)->date), monday, (*pos)->plannedDuration, (*pos)->duration);
        benchmark::DoNotOptimize(totals);
    }
}
BENCHMARK(BM_DiaryWeekTotalsLookup)->Unit(benchmark::kMicrosecond);

#ifdef KADENZO_HAS_DIARY_WIDGETS
void BM_DiaryFullRepaint(benchmark::State& state) {
    EnsureGuiApplication();
    BigDiary& diary = Diary();
    CDiaryView view(*diary.doc);
    view.resize(1400, 900);
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_DiaryFullRepaint)->Unit(benchmark::kMillisecond);

void BM_DiaryWeekForward(benchmark::State& state) {
    EnsureGuiApplication();
    BigDiary& diary = Diary();
    CDiaryView view(*diary.doc);
    view.resize(1400, 900);
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    int step = 0;
    for (auto _ : state) {
        // Forward through a year, then back to where it started.
        if (step++ % 104 < 52)
            view.OnWeekForward();
        else
            view.OnWeekBack();
        view.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_DiaryWeekForward)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
}  // namespace kadenzo
