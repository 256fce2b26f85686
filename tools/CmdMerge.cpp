// merge [BASE] MINE THEIRS OUT: merges the changes two versions of one diary
// made and reports as JSON what the merged diary holds against MINE.
#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>

#include "Commands.h"
#include "Database.h"
#include "CalendarDays.h"
#include "DocumentFile.h"
#include "DocumentMerge.h"
#include "JsonLibrary.h"
#include "Library.h"
#include "SavedDocument.h"

namespace kadenzo::tool {
namespace {

constexpr const char* kUsage = "merge BASE MINE THEIRS OUT | merge MINE THEIRS OUT";

const char* KindName(sync::ConflictKind kind) {
    switch (kind) {
        case sync::ConflictKind::Workout:
            return "workout";
        case sync::ConflictKind::BodyInfo:
            return "bodyInfo";
        case sync::ConflictKind::Event:
            return "event";
        case sync::ConflictKind::Library:
            return "library";
        case sync::ConflictKind::Name:
            return "name";
        case sync::ConflictKind::Athlete:
            break;
    }
    return "athlete";
}

Json Counts(const sync::ChangeCounts& counts) {
    return Json{{"added", counts.added}, {"removed", counts.removed}};
}

Json Position(const std::optional<std::size_t>& position) {
    return position ? Json(*position) : Json(nullptr);
}

Json Report(const sync::MergeResult& result) {
    Json conflicts = Json::array();
    for (const sync::Conflict& c : result.Conflicts())
        conflicts.push_back({{"kind", KindName(c.kind)},
                             {"day", c.day ? Json(FormatIsoDay(*c.day)) : Json(nullptr)},
                             {"what", c.what},
                             {"mine", Position(c.minePosition)},
                             {"theirs", Position(c.theirsPosition)}});
    return Json{{"workouts", Counts(result.Workouts())},
                {"bodyInfos", Counts(result.BodyInfos())},
                {"events", Counts(result.Events())},
                {"conflicts", std::move(conflicts)}};
}

DocumentContents Read(const char* role, const std::string& path) {
    try {
        return ReadDocumentFile(path);
    } catch (const ArchiveError& e) {
        throw std::runtime_error(std::string("cannot read ") + role + " '" + path +
                                 "': " + e.what());
    }
}

}  // namespace

int Merge(const Args& args) {
    if (args.size() != 3 && args.size() != 4) {
        std::fprintf(stderr, "usage: kadenzo-tool %s\n", kUsage);
        return 2;
    }
    const bool threeWay = args.size() == 4;
    // Every input is read before OUT is touched, so a bad one leaves OUT alone.
    sync::MergeResult result =
        threeWay ? sync::MergeDocuments(Read("BASE", args[0]), Read("MINE", args[1]),
                                        Read("THEIRS", args[2]))
                 : sync::MergeDocuments(Read("MINE", args[0]), Read("THEIRS", args[1]));
    const Json report = Report(result);
    const std::vector<sync::Choice> choices = result.DefaultChoices();
    SaveDocument(std::move(result).Resolve(choices), args.back());
    std::cout << report.dump(2) << '\n';
    std::cout.flush();
    return std::cout.good() ? 0 : 1;
}

}  // namespace kadenzo::tool
