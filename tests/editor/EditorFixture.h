#pragma once

#include <memory>
#include <string>

#include "AddLibraryItem.h"
#include "Library.h"
#include "StringTable.h"
#include "Units.h"

namespace kadenzo::editortest {

// The unit labels as the English module has them; other texts are "#id".
class UnitTexts : public StringTable {
public:
    std::string Text(std::uint32_t id) const override {
        static const char* const labels[] = {"km", "mi", "km/h", "mph", "kg", "lb"};
        if (id >= 33102 && id <= 33107) return labels[id - 33102];
        if (id == 34880) return "bpm";
        return "#" + std::to_string(id);
    }
};

inline constexpr UnitSettings kMetric{0, 0};
inline constexpr UnitSettings kImperial{1, 1};

// Ids of the small library below.
// clang-format off
enum : std::uint32_t {
    kRunning = 1, kCycling = 2, kStrength = 3, kRowing = 4,  // rowing is not offered
    kEasyRun = 10, kFree = 11, kGym = 12,
    kRoad = 20, kTrail = 21, kGravel = 22,
    kParkLoop = 30, kHillRoute = 31,
    kHard = 41,
};
// clang-format on

using test::AddItem;

// Sports with and without distance; templates that fix a sport, fix none (-1)
// or name a range relative to the maximum heart rate; sub-sports and tracks
// of two sports.
inline std::unique_ptr<CLibrary> SmallLibrary() {
    auto library = std::make_unique<CLibrary>();
    struct Sport {
        std::uint32_t id;
        const char* name;
        std::uint32_t hasDistance, active;
    };
    for (const Sport& s : {Sport{kRunning, "Running", 1, 1}, Sport{kCycling, "Cycling", 1, 1},
                           Sport{kStrength, "Strength", 0, 1}, Sport{kRowing, "Rowing", 1, 0}}) {
        CLibSport& sport = AddItem(library->sports, s.id, s.name);
        sport.hasDistance = s.hasDistance;
        sport.active = s.active;
    }
    AddItem(library->categories, 1, "Endurance");
    AddItem(library->categories, 2, "Speed");
    struct Plan {
        std::uint32_t id;
        const char* name;
        std::uint32_t category, sport, low, high, relative;
    };
    for (const Plan& p :
         {Plan{kEasyRun, "Easy run", 1, kRunning, 60, 80, 1},
          Plan{kFree, "Free", 2, kNoId, 120, 0, 0}, Plan{kGym, "Gym", 1, kStrength, 0, 0, 0}}) {
        CLibWorkout& plan = AddItem(library->workoutTemplates, p.id, p.name);
        plan.categoryId = p.category;
        plan.sportId = p.sport;
        plan.comment = std::string("About ") + p.name;
        plan.pulseLow = p.low;
        plan.pulseHigh = p.high;
        plan.pulseRelative = p.relative;
    }
    AddItem(library->subSports, kRoad, "Road").sportId = kRunning;
    AddItem(library->subSports, kTrail, "Trail").sportId = kRunning;
    AddItem(library->subSports, kGravel, "Gravel").sportId = kCycling;
    CLibTrack& park = AddItem(library->tracks, kParkLoop, "Park loop");
    park.distance = 5.2f;
    park.sportId = kRunning;
    CLibTrack& hill = AddItem(library->tracks, kHillRoute, "Hill route");
    hill.distance = 12.35f;
    hill.sportId = kCycling;
    AddItem(library->intensities, kHard, "Hard");
    return library;
}

}  // namespace kadenzo::editortest
