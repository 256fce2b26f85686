// A diary in a synced folder: the three-way merge of two versions of a
// twenty-year diary of 100,000 workouts with a few hundred changes each, in
// memory and from the files to the merged file, and the check of the file on
// disk before a save, in the core and as the program makes it (with what it
// keeps after each save).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>

#include "AtomicFile.h"
#include "Database.h"
#include "DocumentFile.h"
#include "DocumentMerge.h"
#include "LastSeenVersion.h"
#include "Library.h"
#include "OpenDiaryFile.h"

namespace kadenzo::sync {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kWorkouts = 100000;
constexpr int kChangesPerKind = 100;  // edits, removals and additions on each side

std::unique_ptr<CLibrary> SyncBenchLibrary() {
    auto library = std::make_unique<CLibrary>();
    for (std::uint32_t id = 1; id <= 8; ++id) {
        auto& sport = library->sports.Add(std::make_unique<CLibSport>());
        sport.id = id;
        sport.name = "Sport " + std::to_string(id);
    }
    for (std::uint32_t id = 1; id <= 40; ++id) {
        auto& workoutTemplate = library->workoutTemplates.Add(std::make_unique<CLibWorkout>());
        workoutTemplate.id = id;
        workoutTemplate.name = "Template " + std::to_string(id);
        workoutTemplate.sportId = (id - 1) % 8 + 1;
    }
    auto& kind = library->eventKinds.Add(std::make_unique<CLibEvent>());
    kind.id = 1;
    kind.name = "Illness";
    library->RecomputeIdCounters();
    return library;
}

std::unique_ptr<CWorkOut> SyncBenchWorkout(std::mt19937& random, double date) {
    auto w = std::make_unique<CWorkOut>();
    w->date = date;
    w->templateId = random() % 40 + 1;
    w->sportId = (w->templateId - 1) % 8 + 1;
    w->plannedDuration = 30 + random() % 120;
    w->duration = w->plannedDuration * 1.02;
    w->distance = 5 + random() % 40;
    w->averagePulse = static_cast<std::uint8_t>(130 + random() % 30);
    w->targetFixed = 1;
    if (random() % 5 == 0) w->notes = "Felt fine, windy on the way back";
    return w;
}

// Twenty years from 2004 on, with weekly body data and an event every two months.
DocumentContents TwentyYears() {
    std::mt19937 random(7);
    DocumentContents contents;
    contents.birthDate = 315532800;
    contents.library = SyncBenchLibrary();
    contents.log = std::make_unique<CDatabase>();
    const double first = 38000.25;
    const double days = 20 * 365.25;
    for (std::size_t i = 0; i < kWorkouts; ++i)
        contents.log->AppendWorkout(SyncBenchWorkout(
            random, first + days * static_cast<double>(i) / static_cast<double>(kWorkouts)));
    for (double day = first; day < first + days; day += 7) {
        CBodyInfo info({CalendarDateTime::kValid, day});
        info.weight = 70 + (random() % 50) * 0.1;
        contents.log->SetBodyInfo(info);
    }
    for (double day = first; day < first + days; day += 60) {
        auto event = std::make_unique<CEvent>();
        event->start = {CalendarDateTime::kValid, day};
        event->end = {CalendarDateTime::kValid, day + 3};
        event->kind = 1;
        contents.log->Events().push_back(std::move(event));
    }
    return contents;
}

std::vector<std::uint8_t> Bytes(DocumentContents& contents) {
    MemoryStream stream;
    CArchive ar(stream, CArchive::Mode::Store);
    WriteDocument(ar, contents.birthDate, contents.maxHeartRate, contents.hrFormula,
                  *contents.library, *contents.log);
    ar.Close();
    return stream.TakeBytes();
}

// A side's changes: edits, removals and additions spread over the years,
// each side on workouts of its own.
std::vector<std::uint8_t> Changed(const std::vector<std::uint8_t>& base, unsigned side) {
    DocumentContents contents = ReadDocument(base);
    CDatabase& log = *contents.log;
    std::mt19937 random(side);
    const std::size_t stride = log.WorkoutCount() / (3 * kChangesPerKind + 1);
    std::vector<CDatabase::WorkoutPos> picked;
    std::size_t index = 0;
    for (auto it = log.BeginWorkouts(); it != log.EndWorkouts(); ++it, ++index)
        if (index % stride == side && picked.size() < 2u * kChangesPerKind) picked.push_back(it);
    for (std::size_t i = 0; i < picked.size(); ++i) {
        if (i % 2 == 0)
            (*picked[i])->duration += 5;
        else
            log.RemoveWorkout(picked[i]);
    }
    for (int i = 0; i < kChangesPerKind; ++i)
        log.AddWorkout(SyncBenchWorkout(random, 38000.75 + random() % 7300));
    log.name = side == 1 ? "Mine" : "Theirs";
    return Bytes(contents);
}

struct Versions {
    Versions() {
        DocumentContents base = TwentyYears();
        baseBytes = Bytes(base);
        mineBytes = Changed(baseBytes, 1);
        theirsBytes = Changed(baseBytes, 2);
    }
    std::vector<std::uint8_t> baseBytes, mineBytes, theirsBytes;
};

const Versions& TheVersions() {
    static const Versions versions;
    return versions;
}

std::string BenchPath(const char* name) {
    return (fs::temp_directory_path() /
            ("kadenzo-sync-bench-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    WriteFileAtomically(path, [&](CArchive& ar) { ar.WriteRaw(bytes.data(), bytes.size()); });
}

// The merge itself, from the three versions read to the merged document.
void BM_ThreeWayMerge(benchmark::State& state) {
    const Versions& v = TheVersions();
    std::size_t conflicts = 0;
    for (auto _ : state) {
        state.PauseTiming();
        DocumentContents base = ReadDocument(v.baseBytes);
        DocumentContents mine = ReadDocument(v.mineBytes);
        DocumentContents theirs = ReadDocument(v.theirsBytes);
        state.ResumeTiming();
        MergeResult result = MergeDocuments(std::move(base), std::move(mine), std::move(theirs));
        conflicts = result.Conflicts().size();
        const std::vector<Choice> choices = result.DefaultChoices();
        DocumentContents merged = std::move(result).Resolve(choices);
        benchmark::DoNotOptimize(merged.log->WorkoutCount());
        state.PauseTiming();
        merged = {};
        state.ResumeTiming();
    }
    state.counters["conflicts"] = static_cast<double>(conflicts);
}
BENCHMARK(BM_ThreeWayMerge)->Unit(benchmark::kMillisecond)->UseRealTime();

// What a save over a changed file does: read the version last seen and the
// file, merge with the diary in memory, and write the result atomically.
void BM_ThreeWayMergeOfFiles(benchmark::State& state) {
    const Versions& v = TheVersions();
    const std::string basePath = BenchPath("base.kdz"), theirsPath = BenchPath("theirs.kdz"),
                      outPath = BenchPath("out.kdz");
    WriteBytes(basePath, v.baseBytes);
    WriteBytes(theirsPath, v.theirsBytes);
    for (auto _ : state) {
        state.PauseTiming();
        DocumentContents mine = ReadDocument(v.mineBytes);
        state.ResumeTiming();
        MergeResult result = MergeDocuments(ReadDocumentFile(basePath), std::move(mine),
                                            ReadDocumentFile(theirsPath));
        const std::vector<Choice> choices = result.DefaultChoices();
        DocumentContents merged = std::move(result).Resolve(choices);
        WriteFileAtomically(outPath, [&](CArchive& ar) {
            WriteDocument(ar, merged.birthDate, merged.maxHeartRate, merged.hrFormula,
                          *merged.library, *merged.log);
        });
    }
    for (const std::string& path : {basePath, theirsPath, outPath}) fs::remove(path);
}
BENCHMARK(BM_ThreeWayMergeOfFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

// The check before a save of an unchanged diary: a stat once the stamp has
// settled (arg 1), the content hashed right after a save (arg 0).
void BM_CheckBeforeSave(benchmark::State& state) {
    const Versions& v = TheVersions();
    const std::string path = BenchPath("diary.kdz");
    const std::string backups = BenchPath("backups");
    WriteBytes(path, v.mineBytes);
    const bool settled = state.range(0) == 1;
    const RememberedVersion remembered =
        RememberVersion(path, v.mineBytes, backups, settled ? 0 : kStampSettleNanoseconds);
    for (auto _ : state) {
        RememberedVersion check = remembered;
        if (CheckDisk(path, check, settled ? 0 : kStampSettleNanoseconds) != DiskState::Unchanged)
            state.SkipWithError("the file looks changed");
    }
    state.counters["bytes"] = static_cast<double>(v.mineBytes.size());
    fs::remove(path);
    fs::remove_all(backups);
}
BENCHMARK(BM_CheckBeforeSave)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The program's check before a save, which also knows the version it merged
// since (a merge the user may undo): the file unchanged since the save with
// its stamp settled (arg 0), the file another writer replaced and the diary
// has merged, settled (arg 1), and the same right after the merge (arg 2).
void BM_ProgramCheckBeforeSave(benchmark::State& state) {
    const Versions& v = TheVersions();
    const std::string path = BenchPath("open.kdz");
    const std::string backups = BenchPath("open-backups");
    WriteBytes(path, v.mineBytes);
    const int kind = static_cast<int>(state.range(0));
    OpenDiaryFile file(path, backups, kind == 2 ? kStampSettleNanoseconds : 0);
    file.Remember(v.mineBytes);
    std::uint64_t mark = 0;
    if (kind != 0) {
        WriteBytes(path, v.theirsBytes);
        file.Merged(v.theirsBytes);
        mark = VersionHash(v.theirsBytes);
    }
    for (auto _ : state)
        if (file.Check(mark) != DiskNews::Nothing) state.SkipWithError("the file looks changed");
    fs::remove(path);
    fs::remove_all(backups);
}
BENCHMARK(BM_ProgramCheckBeforeSave)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// What every save of the program adds: the version written kept as the copy
// last seen (written atomically) and the file's stamp taken after a look at
// its content.
void BM_RememberAfterSave(benchmark::State& state) {
    const Versions& v = TheVersions();
    const std::string path = BenchPath("saved.kdz");
    const std::string backups = BenchPath("saved-backups");
    WriteBytes(path, v.mineBytes);
    OpenDiaryFile file(path, backups);
    for (auto _ : state) file.Remember(v.mineBytes);
    state.counters["bytes"] = static_cast<double>(v.mineBytes.size());
    fs::remove(path);
    fs::remove_all(backups);
}
BENCHMARK(BM_RememberAfterSave)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kadenzo::sync
