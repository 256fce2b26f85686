// A drop in the diary on a 15,000-workout log, as the user makes it: the drag
// enters a day panel, moves over a gap and drops; the move runs as one change
// with its undo checkpoint, the view refreshes the two days and their week,
// and the changed panels repaint. It should stay within a frame (16 ms).
#include <benchmark/benchmark.h>

#ifdef KADENZO_HAS_DIARY_WIDGETS
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <ctime>
#include <memory>
#include <random>

#include "AppContext.h"
#include "BenchGui.h"
#include "DayPanel.h"
#include "CalendarDays.h"
#include "DiaryQt.h"
#include "KadenzoDoc.h"
#include "DiaryView.h"
#include "Library.h"
#include "WeekPanel.h"
#include "WorkoutDrag.h"

namespace kadenzo {
namespace {

constexpr int kDropWorkouts = 15000;

// One or two workouts every day for 27 years, "today" in the middle.
struct DropDiary {
    DropDiary() {
        auto library = std::make_unique<CLibrary>();
        for (std::uint32_t id = 1; id <= 4; ++id) {
            auto& category = library->categories.AddNew();
            category.name = "Category";
            category.colour = 0x3080C0u * id;
            auto& sport = library->sports.AddNew();
            sport.name = "Sport";
            sport.iconId = id;
            auto& workout = library->workoutTemplates.AddNew();
            workout.name = "Template";
            workout.categoryId = id;
            workout.sportId = id;
            workout.pulseRelative = 1;
            workout.pulseLow = 70;
            workout.pulseHigh = 80;
        }
        context.clock = [] { return std::time_t{1400000000}; };  // May 2014
        doc = std::make_unique<CKadenzoDoc>(context);
        const int first = context.Today() - 5000;
        auto log = std::make_unique<CDatabase>();
        std::mt19937 random(11);
        int day = first;
        for (int i = 0; i < kDropWorkouts; ++i) {
            if (random() % 3 != 0) ++day;
            auto w = std::make_unique<CWorkOut>();
            w->date = day + 0.5;
            w->templateId = static_cast<std::uint32_t>(i % 4 + 1);
            w->sportId = w->templateId;
            w->plannedDuration = 60;
            w->duration = day < context.Today() ? 55 : 0;
            w->distance = 10;
            w->notes = "A workout with a few words of notes";
            log->AddWorkout(std::move(w));
        }
        DocumentContents contents;
        contents.library = std::move(library);
        contents.log = std::move(log);
        contents.birthDate = 315532800;
        contents.maxHeartRate = 190;
        doc->SetContents(std::move(contents));
    }

    AppContext context;
    std::unique_ptr<CKadenzoDoc> doc;
};

// Drops the first workout of `from` into the top gap of `to`, as a drag does.
bool DragAndDrop(CDayPanel* from, CDayPanel* to) {
    const CDatabase& log = from->Document().Log();
    if (!from->Slot(0)) return false;
    std::unique_ptr<QMimeData> mime(
        MakeDragMimeData({log.HandleOf(*from->Slot(0)), 0}, QStringLiteral("workout")));
    const QPoint at = ToQRect(to->Geometry().gapBoxes[0]).center();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(to, &enter);
    QDragMoveEvent move(at, actions, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(to, &move);
    QDropEvent drop(QPointF(at), actions, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(to, &drop);
    return drop.isAccepted();
}

void BM_DiaryDropMove(benchmark::State& state) {
    EnsureGuiApplication();
    DropDiary diary;
    CDiaryView view(*diary.doc);
    view.resize(1400, 900);
    view.show();
    CDayPanel* monday = view.DayPanel(1, 0);
    CDayPanel* thursday = view.DayPanel(1, 3);
    QImage image(monday->size(), QImage::Format_ARGB32_Premultiplied);
    QImage week(view.WeekPanel(1)->size(), QImage::Format_ARGB32_Premultiplied);
    bool forth = true;
    for (auto _ : state) {
        // Back and forth, so the log keeps its size.
        if (!DragAndDrop(forth ? monday : thursday, forth ? thursday : monday)) {
            state.SkipWithError("the drop was refused");
            break;
        }
        forth = !forth;
        monday->render(&image);
        thursday->render(&image);
        view.WeekPanel(1)->render(&week);
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["workouts"] = static_cast<double>(diary.doc->Log().WorkoutCount());
    state.counters["snapshotKiB"] = static_cast<double>(diary.doc->SnapshotBytes()) / 1024.0 /
                                    static_cast<double>(diary.doc->UndoSnapshots());
}
BENCHMARK(BM_DiaryDropMove)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kadenzo
#endif
