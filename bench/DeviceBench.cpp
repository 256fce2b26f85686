// A watch plugged in: reading its folder when every activity on it is in the
// diary already (1,000 one-hour runs, the diary referring to their copies),
// and importing the 50 new activities of a season into a planned diary.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "AppContext.h"
#include "BenchFiles.h"
#include "DeviceFolders.h"
#include "DeviceScan.h"
#include "DocumentFile.h"
#include "FitDecoder.h"
#include "ImportApply.h"
#include "KadenzoDoc.h"
#include "KnownRecordings.h"
#include "Library.h"

namespace kadenzo {
namespace {

namespace fs = std::filesystem;
using bench::PutLe;

constexpr std::int64_t kSeasonStart = 1704096000;  // 1 January 2024, UTC
constexpr double kSeasonStartDay = 45292;
constexpr int kSeconds = 3600;

// A one-hour run as a watch writes it: the file id, a record every second
// (time, position, distance, altitude, heart rate, cadence) and the session.
std::string Run(std::int64_t start, std::uint32_t serial) {
    const auto fitStart = static_cast<std::uint32_t>(start - kFitEpoch);
    std::string records = {0x40, 0, 0,
                           0,    0, 3,
                           0,    1, 0x00,
                           3,    4, static_cast<char>(0x8C),
                           4,    4, static_cast<char>(0x86)};
    records += {0, 4};
    PutLe(records, serial, 4);
    PutLe(records, fitStart, 4);
    const std::uint8_t fields[][3] = {{253, 4, 0x86}, {0, 4, 0x85}, {1, 4, 0x85}, {5, 4, 0x86},
                                      {2, 2, 0x84},   {3, 1, 0x02}, {4, 1, 0x02}};
    records += {0x41, 0, 0, 20, 0, static_cast<char>(std::size(fields))};
    for (const auto& f : fields) records.append(reinterpret_cast<const char*>(f), 3);
    for (int t = 0; t < kSeconds; ++t) {
        records.push_back(1);
        PutLe(records, fitStart + static_cast<std::uint32_t>(t), 4);
        PutLe(records, static_cast<std::uint32_t>(545000000 + t * 100), 4);
        PutLe(records, static_cast<std::uint32_t>(170000000 - t * 70), 4);
        PutLe(records, static_cast<std::uint32_t>(t * 300), 4);
        PutLe(records, static_cast<std::uint32_t>(2500 + t % 600), 2);
        PutLe(records, static_cast<std::uint32_t>(130 + t % 40), 1);
        PutLe(records, static_cast<std::uint32_t>(85 + t % 10), 1);
    }
    records += {0x42, 0, 0, 18, 0, 2, 5, 1, 0x00, 6, 1, 0x00, 2, 1, 0};
    std::string file = {14, 0x20};
    PutLe(file, 2132, 2);
    PutLe(file, static_cast<std::uint32_t>(records.size()), 4);
    file += ".FIT";
    PutLe(file, FitCrc(file), 2);
    file += records;
    PutLe(file, FitCrc(file), 2);
    return file;
}

std::unique_ptr<CLibrary> SeasonLibrary() {
    auto library = std::make_unique<CLibrary>();
    for (auto [id, name] : {std::pair{1u, "Running"}, {2u, "Cycling"}, {100u, "Other"}}) {
        auto sport = std::make_unique<CLibSport>();
        sport->id = id;
        sport->name = name;
        library->sports.Add(std::move(sport));
    }
    for (std::uint32_t id = 1; id <= 6; ++id) {
        auto t = std::make_unique<CLibWorkout>();
        t->id = id;
        t->name = "Template " + std::to_string(id);
        t->sportId = id % 2 + 1;
        library->workoutTemplates.Add(std::move(t));
    }
    library->RecomputeIdCounters();
    return library;
}

// A folder of its own in the temporary folder, for the life of the program.
struct Folder {
    explicit Folder(const std::string& name)
        : path(fs::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    fs::path path;
};

void Write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// 1,000 runs on the watch, each in the diary: its copy beside the diary (a
// hard link, to spare the disk) and a workout that refers to it.
struct ImportedSeason {
    ImportedSeason() : folder("kadenzo-bench-watch") {
        diary = (folder.path / "Season.kdz").string();
        auto log = std::make_unique<CDatabase>();
        for (int i = 0; i < 1000; ++i) {
            const std::string name = "run-" + std::to_string(i) + ".fit";
            const fs::path onWatch = folder.path / "watch/GARMIN/Activity" / name;
            Write(onWatch, Run(kSeasonStart + i * 86400LL / 3, 3000000000u + i));
            fs::create_directories(folder.path / "Season-recordings");
            fs::create_hard_link(onWatch, folder.path / "Season-recordings" / name);
            auto w = std::make_unique<CWorkOut>();
            w->date = kSeasonStartDay + i / 3.0 + 0.3;
            w->templateId = 1;
            w->sportId = 2;
            w->duration = 60;
            w->recordingPath = "Season-recordings/" + name;
            log->AddWorkout(std::move(w));
        }
        DocumentContents contents;
        contents.library = SeasonLibrary();
        contents.log = std::move(log);
        document.SetContents(std::move(contents));
    }
    Folder folder;
    std::string diary;
    AppContext context;
    CKadenzoDoc document{context};
};

void BM_DeviceScanAllImported(benchmark::State& state) {
    static ImportedSeason season;
    const std::string watch = (season.folder.path / "watch").string();
    for (auto _ : state) {
        const ImportPlan plan = ScanDevice(watch, season.document.Log(), season.document.Library(),
                                           season.diary, ScanSettings{});
        if (plan.duplicates.size() != 1000 || !plan.rows.empty())
            state.SkipWithError("not every activity was known");
    }
}
BENCHMARK(BM_DeviceScanAllImported)->Unit(benchmark::kMillisecond);

void BM_DeviceCountNew(benchmark::State& state) {
    static ImportedSeason season;
    const std::string watch = (season.folder.path / "watch").string();
    for (auto _ : state) {
        if (CountNewActivities(watch, season.document.Log(), season.diary) != 0)
            state.SkipWithError("not every activity was known");
    }
}
BENCHMARK(BM_DeviceCountNew)->Unit(benchmark::kMillisecond);

// A season planned (about 300 workouts) with 50 runs done on the watch, each
// on a day with a planned run; scanned, imported (copies, one undo step) and
// saved, as the program's OK and save do it.
void BM_DeviceImportFifty(benchmark::State& state) {
    Folder folder("kadenzo-bench-import");
    const std::string watch = (folder.path / "watch").string();
    for (int i = 0; i < 50; ++i)
        Write(folder.path / "watch" / ("run-" + std::to_string(i) + ".fit"),
              Run(kSeasonStart + i * 3 * 86400LL + 7 * 3600, 3100000000u + i));
    const std::string diary = (folder.path / "Season.kdz").string();
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(folder.path / "Season-recordings");
        AppContext context;
        context.clock = [] { return kSeasonStart - 86400; };
        CKadenzoDoc document(context);
        auto log = std::make_unique<CDatabase>();
        for (int day = 0; day < 150; ++day) {
            for (std::uint32_t t : {1u, 2u}) {
                auto w = std::make_unique<CWorkOut>();
                w->date = kSeasonStartDay + day + (t == 1 ? 0.3 : 0.7);
                w->templateId = t;
                w->sportId = t % 2 + 1;
                w->plannedDuration = t == 1 ? 60 : 90;
                log->AddWorkout(std::move(w));
            }
        }
        DocumentContents contents;
        contents.library = SeasonLibrary();
        contents.log = std::move(log);
        document.SetContents(std::move(contents));
        state.ResumeTiming();

        const ImportPlan plan =
            ScanDevice(watch, document.Log(), document.Library(), diary, ScanSettings{});
        const ApplyResult result = ApplyImport(document, plan, diary, {});
        std::string error;
        if (result.imported.size() != 50 || !document.OnSaveDocument(diary, &error))
            state.SkipWithError("the import did not go in whole");
    }
}
BENCHMARK(BM_DeviceImportFifty)->Unit(benchmark::kMillisecond)->Iterations(5);

// The program's look for a watch, as it runs every two seconds: the watch of
// 1,000 activities, all in the diary, found on its volume and counted the
// first time; then looked at again unchanged, which the notice costs while
// it stays plugged in.
DeviceLook LookAtSeason(ImportedSeason& season) {
    DeviceLook look;
    look.volumes = {(season.folder.path / "watch").string()};
    look.recordingPaths = RecordingPathsOf(season.document.Log());
    look.diaryPath = season.diary;
    return look;
}

void BM_DeviceLookFirst(benchmark::State& state) {
    static ImportedSeason season;
    for (auto _ : state) {
        const DeviceLookResult result = LookForNewActivities(LookAtSeason(season));
        if (result.present.size() != 1 || !result.announced.empty())
            state.SkipWithError("the watch was not found, or not known");
    }
}
BENCHMARK(BM_DeviceLookFirst)->Unit(benchmark::kMillisecond);

void BM_DeviceLookUnchanged(benchmark::State& state) {
    static ImportedSeason season;
    DeviceLook seen = LookAtSeason(season);
    seen.changes = LookForNewActivities(seen).changes;
    for (auto _ : state) {
        const DeviceLookResult result = LookForNewActivities(seen);
        if (result.present.size() != 1 || !result.announced.empty())
            state.SkipWithError("the watch was not found, or told of again");
    }
}
BENCHMARK(BM_DeviceLookUnchanged)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kadenzo
