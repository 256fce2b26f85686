// import-device FOLDER DIARY [--dry-run] [--imperial] [--sport KIND=ID ...]:
// puts the activities of a watch's folder on the diary's plan, as the
// program's device import does, and prints what became of each file.
#include <cstdio>
#include <iostream>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

#include "AppContext.h"
#include "CommandOptions.h"
#include "Commands.h"
#include "DeviceScan.h"
#include "CalendarDays.h"
#include "DocumentBackups.h"
#include "DocumentFile.h"
#include "ImportApply.h"
#include "JsonLibrary.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "ProgramBackups.h"

namespace kadenzo::tool {
namespace {

constexpr const char* kUsage =
    "import-device FOLDER DIARY [--dry-run] [--imperial] [--sport KIND=ID ...]";
// The built-in sport's name in the English program, for a library that lacks it.
constexpr const char* kOtherSportName = "General training";

struct Options {
    std::string folder;
    std::string diary;
    bool dryRun = false;
    bool imperial = false;
    SportTable sports = SportTable::Starter();
};

// Reads the options; on a mistake prints one line and returns nothing.
std::optional<Options> ParseOptions(const Args& args) {
    Options options;
    auto fail = [](const std::string& what) { return OptionMistake("import-device", what); };
    std::size_t named = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--dry-run") {
            options.dryRun = true;
        } else if (arg == "--imperial") {
            options.imperial = true;
        } else if (arg == "--sport") {
            if (i + 1 == args.size()) return fail("--sport needs KIND=ID");
            const auto entry = ParseSportEntry(args[++i]);
            if (!entry) return fail("not KIND=ID: '" + args[i] + "'");
            options.sports.Set(entry->first, entry->second);
        } else if (arg.starts_with("--")) {
            return fail("unknown option " + arg);
        } else if (named == 0) {
            options.folder = arg;
            ++named;
        } else if (named == 1) {
            options.diary = arg;
            ++named;
        } else {
            return fail("more than a folder and a diary: '" + arg + "'");
        }
    }
    if (named < 2)
        return fail(std::string("a folder and a diary are needed (usage: ") + kUsage + ")");
    return options;
}

// Positions of the workouts in the log as dump lists them: a workout whose
// template the library lacks is not listed, as the program drops it.
std::map<CDatabase::WorkoutHandle, std::size_t> Positions(const CKadenzoDoc& doc) {
    std::map<CDatabase::WorkoutHandle, std::size_t> positions;
    const CDatabase& log = doc.Log();
    std::size_t next = 0;
    for (auto it = log.BeginWorkouts(); it != log.EndWorkouts(); ++it) {
        if (doc.Library().FindWorkout((*it)->templateId)) positions[log.HandleOf(it)] = next++;
    }
    return positions;
}

Json Position(const std::map<CDatabase::WorkoutHandle, std::size_t>& positions,
              CDatabase::WorkoutHandle handle) {
    auto found = positions.find(handle);
    return found == positions.end() ? Json(nullptr) : Json(found->second);
}

Json Report(const CKadenzoDoc& doc, const ImportPlan& plan, const ApplyResult& applied) {
    const auto positions = Positions(doc);
    Json report = {{"imported", Json::array()},
                   {"duplicates", Json::array()},
                   {"ambiguous", Json::array()},
                   {"failed", Json::array()}};
    for (const ImportedActivity& imported : applied.imported) {
        const DeviceActivity& activity = plan.rows[imported.row].activity;
        report["imported"].push_back({{"file", activity.file},
                                      {"day", FormatIsoDay(activity.Day())},
                                      {"status", imported.filled ? "matched" : "unplanned"},
                                      {"workout", Position(positions, imported.workout)},
                                      {"note", activity.note}});
    }
    for (const std::string& file : plan.duplicates) report["duplicates"].push_back(file);
    for (const PlanRow& row : plan.rows) {
        if (row.outcome != ActivityOutcome::kChoose) continue;
        Json candidates = Json::array();
        for (CDatabase::WorkoutHandle handle : row.candidates)
            candidates.push_back(Position(positions, handle));
        report["ambiguous"].push_back({{"file", row.activity.file},
                                       {"day", FormatIsoDay(row.activity.Day())},
                                       {"candidates", std::move(candidates)}});
    }
    for (const auto* list : {&plan.failed, &applied.failed})
        for (const FailedFile& failed : *list)
            report["failed"].push_back({{"file", failed.file}, {"reason", failed.reason}});
    return report;
}

}  // namespace

int ImportDevice(const Args& args) {
    const std::optional<Options> options = ParseOptions(args);
    if (!options) return 2;

    AppContext context;
    CKadenzoDoc doc(context);
    // The diary as stored, its own library included: records the program
    // would drop stay in the file as they are.
    doc.SetContents(ReadDocumentFile(options->diary));

    ScanSettings scan;
    scan.units.distance = options->imperial ? 1 : 0;
    scan.sports = options->sports;
    scan.now = context.Now();
    const ImportPlan plan =
        ScanDevice(options->folder, doc.Log(), doc.Library(), options->diary, scan);
    ApplySettings apply;
    apply.units = scan.units;
    apply.dryRun = options->dryRun;
    apply.otherSportName = kOtherSportName;
    const ApplyResult applied = ApplyImport(doc, plan, options->diary, apply);

    if (applied.changed && !options->dryRun) {
        const ProgramBackups backups = FindProgramBackups();
        if (!backups.folder.empty()) {
            const BackupResult backup =
                BackUpBeforeSave(options->diary, backups.folder, context.Now(), backups.keep);
            if (!backup.problem.empty())
                std::fprintf(stderr, "kadenzo-tool import-device: %s\n", backup.problem.c_str());
        }
        std::string error;
        if (!doc.OnSaveDocument(options->diary, &error)) throw std::runtime_error(error);
    }
    // File names are what the file system holds: bytes that are no UTF-8
    // are shown as U+FFFD rather than refused.
    std::cout << Report(doc, plan, applied).dump(2, ' ', false, Json::error_handler_t::replace)
              << '\n';
    return std::cout.good() ? 0 : 1;
}

}  // namespace kadenzo::tool
