#pragma once
// A small library, planned workouts and FIT activities made to order, for
// the device import's tests and the tool's.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "AddLibraryItem.h"
#include "Library.h"
#include "WorkOut.h"
#include "recording/FitBytes.h"

namespace kadenzo::test {

// Sports and templates of the library, ids as in the starter library.
inline constexpr std::uint32_t kRunning = 1, kCycling = 2, kSwimming = 3, kMountainBiking = 4,
                               kIndoorCycling = 13, kOther = 100;
inline constexpr std::uint32_t kEasyRun = 1, kLongRun = 2, kTempoRun = 3, kRide = 6, kRace = 13;
inline constexpr std::uint32_t kEndurance = 5;  // the library's first category

inline std::unique_ptr<CLibrary> DeviceLibrary() {
    auto library = std::make_unique<CLibrary>();
    AddItem(library->categories, kEndurance, "Endurance");
    AddItem(library->categories, 2, "Recovery");
    for (auto [id, name] : {std::pair{kRunning, "Running"},
                            {kCycling, "Cycling"},
                            {kSwimming, "Swimming"},
                            {kMountainBiking, "Mountain biking"},
                            {kIndoorCycling, "Indoor cycling"},
                            {kOther, "General training"}})
        AddItem(library->sports, id, name).hasDistance = 1;
    // Listed out of id order: the first template of a sport is the lowest id.
    AddItem(library->workoutTemplates, kLongRun, "Long run").sportId = kRunning;
    AddItem(library->workoutTemplates, kEasyRun, "Easy run").sportId = kRunning;
    AddItem(library->workoutTemplates, kTempoRun, "Tempo run").sportId = kRunning;
    AddItem(library->workoutTemplates, kRide, "Ride").sportId = kCycling;
    AddItem(library->workoutTemplates, kRace, "Race").sportId = 0;
    library->RecomputeIdCounters();
    return library;
}

// 4 March 2024, a Monday; workouts are dated by day number plus time of day.
inline constexpr int kMonday = 45355;
inline constexpr std::int64_t kMondayUtc = 1709510400;  // its midnight, UTC

inline std::unique_ptr<CWorkOut> Planned(double date, std::uint32_t templateId,
                                         std::uint32_t sportId, double minutes,
                                         double kilometres = 0) {
    auto workout = std::make_unique<CWorkOut>();
    workout->date = date;
    workout->templateId = templateId;
    workout->sportId = sportId;
    workout->plannedDuration = minutes;
    workout->plannedDistance = kilometres;
    return workout;
}

// What a made FIT activity holds.
struct FitActivity {
    std::int64_t start = kMondayUtc + 7 * 3600;  // UTC
    int seconds = 3600;                          // one record every 10 s to here
    std::uint8_t sport = 1, subSport = 0;
    std::uint32_t serial = 1234, created = 0;      // created 0: the start
    std::optional<std::int64_t> localOffset = {};  // the activity's local time from UTC
    double metresPerSecond = 3;
    std::uint8_t heartRate = 140;
    std::uint8_t fileType = 4;
};

inline std::string FitFile(const FitActivity& a) {
    using namespace testing;
    FitWriter w;
    const std::uint64_t start = FitTime(a.start);
    w.Define(0, kFitFileIdMessage, {{0, 1, 0x00}, {3, 4, kUint32z}, {4, 4, kUint32}})
        .Data(0, {a.fileType, a.serial, a.created ? a.created : start});
    w.Define(1, kFitRecord, {{253, 4, kUint32}, {3, 1, kUint8}, {5, 4, kUint32}});
    for (int t = 0; t <= a.seconds; t += 10) {
        const auto rate = static_cast<std::uint64_t>(a.heartRate + (t / 10) % 3);
        w.Data(1, {start + t, rate, static_cast<std::uint64_t>(t * a.metresPerSecond * 100)});
    }
    w.Define(2, kFitSession, {{5, 1, 0x00}, {6, 1, 0x00}}).Data(2, {a.sport, a.subSport});
    if (a.localOffset)
        w.Define(3, kFitActivity, {{253, 4, kUint32}, {5, 4, kUint32}})
            .Data(3, {start + a.seconds, start + a.seconds + *a.localOffset});
    return w.File();
}

}  // namespace kadenzo::test
