#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kadenzo {

class CLibrary;
class CWorkOut;
struct UnitSettings;

// Which property of a workout groups or splits the chart's bars, and the
// library list its names and colours come from.
enum AnalysisKey : std::int32_t {
    kKeyNone = -1,
    kKeySport = 1,      // sportId, sports (own colour)
    kKeySubSport = 2,   // subSportId, sub-sports (own colour)
    kKeyTemplate = 3,   // templateId, workout templates
    kKeyTrack = 4,      // trackId, tracks
    kKeyIntensity = 5,  // intensityId, intensities
    kKeyCategory = 6,   // the category of the workout's template (own colour)
};

// The id the key takes for the workout; 0 for a key outside 1 to 6. Ids are
// the library's unsigned ids read as signed, so "none" (0xFFFFFFFF) is -1.
std::int32_t KeyOf(const CWorkOut& workout, std::int32_t key, const CLibrary& library);

// The library's name of the item ("???" when no item has the id); empty for a
// key outside 1 to 6.
std::string KeyName(std::int32_t key, std::int32_t id, const CLibrary& library);

// The colour of the item for sports, sub-sports and categories (white when
// the item is missing); nothing for the other keys, whose bars keep the
// chart's own colours. Nothing either for a sport or sub-sport with the
// colour every one of them starts with and nobody can change: one colour for
// all would leave the bars and the legend indistinguishable.
std::optional<std::uint32_t> KeyColour(std::int32_t key, std::int32_t id, const CLibrary& library);

// What one workout adds to the chart: hours of its duration, or its distance
// in the user's unit. 0 for a value that is not a finite number, so that a
// damaged record cannot spoil every sum it falls into.
double ChartValueOf(const CWorkOut& workout, bool showDistance, const UnitSettings& units);

}  // namespace kadenzo
