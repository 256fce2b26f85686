#pragma once
// A small library and helpers shared by the training-log and document tests.

#include <memory>
#include <string>

#include "AddLibraryItem.h"
#include "Database.h"
#include "Library.h"
#include "WorkOut.h"

namespace kadenzo::test {

// Ids of the sample library.
inline constexpr std::uint32_t kRun = 3;
inline constexpr std::uint32_t kBike = 4;
inline constexpr std::uint32_t kTempoRun = 7;    // pulse 60-75 % of the maximum
inline constexpr std::uint32_t kFixedPulse = 8;  // pulse 50-300 beats, absolute
inline constexpr std::uint32_t kHills = 11;      // a sub-sport of running
inline constexpr std::uint32_t kEasy = 12;       // an intensity
inline constexpr std::uint32_t kRiverLoop = 13;  // a track
inline constexpr std::uint32_t kIllness = 3;     // an event kind

inline std::unique_ptr<CLibrary> MakeLibrary(const std::string& computerName = "TRAINER") {
    auto library = std::make_unique<CLibrary>();
    library->computerName = computerName;
    AddItem(library->sports, kRun, "Running").hasDistance = 1;
    AddItem(library->sports, kBike, "Cycling").hasDistance = 1;
    CLibWorkout& tempo = AddItem(library->workoutTemplates, kTempoRun, "Tempo run");
    tempo.sportId = kRun;
    tempo.pulseLow = 60;
    tempo.pulseHigh = 75;
    tempo.pulseRelative = 1;
    CLibWorkout& fixed = AddItem(library->workoutTemplates, kFixedPulse, "Fixed pulse");
    fixed.sportId = kBike;
    fixed.pulseLow = 50;
    fixed.pulseHigh = 300;
    fixed.pulseRelative = 0;
    AddItem(library->subSports, kHills, "Hills").sportId = kRun;
    AddItem(library->intensities, kEasy, "Easy");
    AddItem(library->tracks, kRiverLoop, "River loop").sportId = kRun;
    AddItem(library->eventKinds, kIllness, "Illness");
    library->RecomputeIdCounters();
    return library;
}

inline std::unique_ptr<CWorkOut> MakeWorkout(double date, std::uint32_t templateId = kTempoRun) {
    auto workout = std::make_unique<CWorkOut>();
    workout->date = date;
    workout->templateId = templateId;
    workout->sportId = templateId == kFixedPulse ? kBike : kRun;
    return workout;
}

// A log holding the given workouts.
template <class... Workouts>
std::unique_ptr<CDatabase> LogOf(Workouts... workouts) {
    auto log = std::make_unique<CDatabase>();
    (log->AddWorkout(std::move(workouts)), ...);
    return log;
}

}  // namespace kadenzo::test
