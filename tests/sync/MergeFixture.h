#pragma once
// Diaries for the merge tests: the sample library, workouts told apart by
// day, duration and note, and documents that pass through the file format
// as files do before they are merged.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DateTime.h"
#include "DocumentFile.h"
#include "DocumentMerge.h"
#include "LogFixtures.h"
#include "StreamBytes.h"

namespace kadenzo::test {

inline constexpr int kDay = 45000;            // 15 March 2023
inline constexpr std::int32_t kHoliday = -3;  // a built-in event kind

struct W {
    int day = kDay;
    double minutes = 30;
    std::string notes;
    std::uint32_t templateId = kTempoRun;
    double hour = 12;
};

inline std::unique_ptr<CWorkOut> Make(const W& w) {
    auto workout = MakeWorkout(w.day + w.hour / 24, w.templateId);
    workout->duration = w.minutes;
    workout->notes = w.notes;
    return workout;
}

// The workouts in the order given, as a file lists them.
inline std::unique_ptr<CDatabase> WorkoutLog(const std::vector<W>& workouts) {
    auto log = std::make_unique<CDatabase>();
    for (const W& w : workouts) log->AppendWorkout(Make(w));
    return log;
}

inline std::vector<std::uint8_t> Bytes(const DocumentContents& contents) {
    return Stored([&](CArchive& ar) {
        WriteDocument(ar, contents.birthDate, contents.maxHeartRate, contents.hrFormula,
                      *contents.library, *contents.log);
    });
}

// The document as reading its file gives it.
inline DocumentContents Copy(const DocumentContents& contents) {
    return ReadDocument(Bytes(contents));
}

inline DocumentContents Diary(std::unique_ptr<CDatabase> log,
                              std::unique_ptr<CLibrary> library = MakeLibrary()) {
    DocumentContents contents;
    contents.birthDate = 315532800;
    contents.log = std::move(log);
    contents.library = std::move(library);
    return Copy(contents);
}

// "day minutes note template" of each workout, in log order.
inline std::vector<std::string> Describe(const CDatabase& log) {
    std::vector<std::string> lines;
    for (const auto& w : log.Workouts())
        lines.push_back(std::to_string(DayNumber(w->date) - kDay) + " " +
                        std::to_string(static_cast<int>(w->duration)) + " " + w->notes + " " +
                        std::to_string(w->templateId));
    return lines;
}
inline std::vector<std::string> Describe(const std::vector<W>& workouts) {
    return Describe(*WorkoutLog(workouts));
}

struct Outcome {
    std::vector<sync::Conflict> conflicts;
    sync::ChangeCounts workouts, bodyInfos, events;
    DocumentContents merged;

    std::vector<std::string> What() const {
        std::vector<std::string> what;
        for (const auto& c : conflicts) what.push_back(c.what);
        return what;
    }
};

// Merges (without BASE when base is null) and resolves with the given
// choices, or the default ones.
inline Outcome Merge(const DocumentContents* base, const DocumentContents& mine,
                     const DocumentContents& theirs,
                     std::optional<std::vector<sync::Choice>> choices = std::nullopt) {
    sync::MergeResult result = base ? sync::MergeDocuments(Copy(*base), Copy(mine), Copy(theirs))
                                    : sync::MergeDocuments(Copy(mine), Copy(theirs));
    Outcome outcome{result.Conflicts(), result.Workouts(), result.BodyInfos(), result.Events(), {}};
    const std::vector<sync::Choice> chosen = choices.value_or(result.DefaultChoices());
    outcome.merged = std::move(result).Resolve(chosen);
    return outcome;
}

}  // namespace kadenzo::test
