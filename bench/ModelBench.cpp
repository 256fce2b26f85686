// Load, save, checkpoint and undo of generated diaries: 15,000 workouts (twenty
// years with body data and events) and 100,000 workouts.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "AppContext.h"
#include "DocumentEdits.h"
#include "DocumentFile.h"
#include "KadenzoDoc.h"
#include "Library.h"

namespace kadenzo {
namespace {

std::unique_ptr<CLibrary> BenchLibrary() {
    auto library = std::make_unique<CLibrary>();
    library->computerName = "BENCH";
    for (std::uint32_t id = 1; id <= 8; ++id) {
        auto sport = std::make_unique<CLibSport>();
        sport->id = id;
        sport->name = "Sport " + std::to_string(id);
        sport->iconId = id;
        library->sports.Add(std::move(sport));
    }
    for (std::uint32_t id = 1; id <= 40; ++id) {
        auto workoutTemplate = std::make_unique<CLibWorkout>();
        workoutTemplate->id = id;
        workoutTemplate->name = "Template " + std::to_string(id);
        workoutTemplate->sportId = (id - 1) % 8 + 1;
        workoutTemplate->pulseLow = 60;
        workoutTemplate->pulseHigh = 80;
        library->workoutTemplates.Add(std::move(workoutTemplate));
    }
    auto kind = std::make_unique<CLibEvent>();
    kind->id = 1;
    kind->name = "Illness";
    library->eventKinds.Add(std::move(kind));
    library->RecomputeIdCounters();
    return library;
}

// Twenty years from 2004 on; past workouts already carry fixed targets.
void FillLog(CDatabase& log, std::size_t workouts) {
    std::mt19937 random(42);
    const double first = 38000.5;  // January 2004
    const double days = 20 * 365.25;
    for (std::size_t i = 0; i < workouts; ++i) {
        auto w = std::make_unique<CWorkOut>();
        w->date = first + days * static_cast<double>(i) / static_cast<double>(workouts) + 0.25;
        w->templateId = random() % 40 + 1;
        w->sportId = (w->templateId - 1) % 8 + 1;
        w->plannedDuration = 30 + random() % 120;
        w->plannedDistance = 5 + random() % 40;
        w->duration = w->plannedDuration * 1.02;
        w->distance = w->plannedDistance * 0.98;
        w->averagePulse = 130 + random() % 30;
        w->maxPulse = w->averagePulse + 20;
        w->targetFixed = 1;
        w->targetPulseLow = 120;
        w->targetPulseHigh = 150;
        if (i % 5 == 0) w->notes = "Felt fine, windy on the way back";
        if (i % 50 == 0)
            w->recordingPath = "/home/athlete/recordings/" + std::to_string(i) + ".hrm";
        log.AppendWorkout(std::move(w));
    }
    for (double day = first; day < first + days; day += 7) {
        CBodyInfo info({CalendarDateTime::kValid, day});
        info.weight = 70 + (random() % 50) * 0.1;
        info.value3 = 48;
        log.SetBodyInfo(info);
    }
    for (double day = first; day < first + days; day += 60) {
        auto event = std::make_unique<CEvent>();
        event->start = {CalendarDateTime::kValid, day};
        event->end = {CalendarDateTime::kValid, day + 3};
        event->kind = 1;
        log.Events().push_back(std::move(event));
    }
}

// A document holding a generated diary, with the program's context around it.
struct BenchDocument {
    explicit BenchDocument(std::size_t workouts) {
        context.clock = [] { return std::time_t{1735689600}; };  // 1 January 2025
        document = std::make_unique<CKadenzoDoc>(context);
        DocumentContents contents;
        contents.birthDate = 315532800;
        contents.maxHeartRate = 190;
        contents.library = BenchLibrary();
        contents.log = std::make_unique<CDatabase>();
        FillLog(*contents.log, workouts);
        document->SetContents(std::move(contents));
    }
    CKadenzoDoc* operator->() { return document.get(); }
    CKadenzoDoc& operator*() { return *document; }

    AppContext context;
    std::unique_ptr<CKadenzoDoc> document;
};

// The smallest change there is: the log's name, so that the time is the
// checkpoint's.
void SmallChange(CKadenzoDoc& document) {
    edit::SetLogName(document, document.Log().name == "a" ? "b" : "a");
}

std::string BenchFile(const char* name) {
    return (std::filesystem::temp_directory_path() /
            ("kadenzo-bench-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

// Resident memory of this process in bytes.
double ResidentBytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kb = 0;
            status >> kb;
            return kb * 1024;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

void BM_LoadDocument(benchmark::State& state) {
    BenchDocument document(static_cast<std::size_t>(state.range(0)));
    const std::string path = BenchFile("load.kdz");
    document->OnSaveDocument(path);
    for (auto _ : state) document->Load(ReadWholeFile(path));
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadDocument)->Arg(15000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Saving as the program does: a temporary file, flushed to disk, renamed.
void BM_SaveDocument(benchmark::State& state) {
    BenchDocument document(static_cast<std::size_t>(state.range(0)));
    const std::string path = BenchFile("save.kdz");
    for (auto _ : state) {
        if (!document->OnSaveDocument(path)) state.SkipWithError("save failed");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveDocument)->Arg(15000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_Checkpoint(benchmark::State& state) {
    BenchDocument document(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) SmallChange(*document);
}
BENCHMARK(BM_Checkpoint)->Arg(15000)->Arg(100000)->Unit(benchmark::kMillisecond);

// One workout changed through the edit functions, with its checkpoint and the
// notification of the views.
class CountingObserver : public DocumentObserver {
public:
    void OnDocumentChanged(const DocumentChange& change) override {
        if (change.HasDays()) ++heard;
    }
    int heard = 0;
};

void BM_ChangeWorkout(benchmark::State& state) {
    BenchDocument document(static_cast<std::size_t>(state.range(0)));
    CountingObserver observer;
    document->AddObserver(&observer);
    auto position = std::next(document->Log().BeginWorkouts(),
                              static_cast<std::ptrdiff_t>(document->Log().WorkoutCount() / 2));
    CWorkOut changed = **position;
    for (auto _ : state) {
        changed.duration += 1;
        edit::ReplaceWorkout(*document, position, changed);
    }
    if (observer.heard == 0) state.SkipWithError("nobody was told");
    document->RemoveObserver(&observer);
}
BENCHMARK(BM_ChangeWorkout)->Arg(15000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_Undo(benchmark::State& state) {
    BenchDocument document(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        SmallChange(*document);
        state.ResumeTiming();
        document->Undo();
    }
}
BENCHMARK(BM_Undo)->Arg(15000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The loaded diary with a full undo history: snapshot bytes and resident memory.
void BM_ElevenSnapshots(benchmark::State& state) {
    const double before = ResidentBytes();
    BenchDocument document(static_cast<std::size_t>(state.range(0)));
    const std::string path = BenchFile("snap.kdz");
    document->OnSaveDocument(path);
    document->OnOpenDocument(path);
    for (auto _ : state) {
        for (int i = 0; i < 11; ++i) SmallChange(*document);
    }
    state.counters["snapshots"] = static_cast<double>(document->UndoSnapshots());
    state.counters["snapshotMB"] = static_cast<double>(document->SnapshotBytes()) / 1e6;
    state.counters["rssMB"] = ResidentBytes() / 1e6;
    state.counters["rssGrowthMB"] = (ResidentBytes() - before) / 1e6;
    std::filesystem::remove(path);
}
BENCHMARK(BM_ElevenSnapshots)
    ->Arg(15000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kadenzo
