#include "AnalysisKeys.h"

#include <cmath>

#include "Library.h"
#include "LibraryItems.h"
#include "Units.h"
#include "WorkOut.h"

namespace kadenzo {
namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;

std::optional<std::uint32_t> OwnColour(std::uint32_t colour) {
    if (colour == kDefaultSportColour) return std::nullopt;
    return colour;
}

std::int32_t AsKeyId(std::uint32_t id) { return static_cast<std::int32_t>(id); }
std::uint32_t AsLibraryId(std::int32_t id) { return static_cast<std::uint32_t>(id); }

}  // namespace

std::int32_t KeyOf(const CWorkOut& workout, std::int32_t key, const CLibrary& library) {
    switch (key) {
        case kKeySport:
            return AsKeyId(workout.sportId);
        case kKeySubSport:
            return AsKeyId(workout.subSportId);
        case kKeyTemplate:
            return AsKeyId(workout.templateId);
        case kKeyTrack:
            return AsKeyId(workout.trackId);
        case kKeyIntensity:
            return AsKeyId(workout.intensityId);
        case kKeyCategory: {
            // A loaded log only holds workouts whose template exists; a record
            // without one counts under "no category".
            const CLibWorkout* workoutTemplate = library.FindWorkout(workout.templateId);
            return AsKeyId(workoutTemplate ? workoutTemplate->categoryId : kNoId);
        }
        default:
            return 0;
    }
}

std::string KeyName(std::int32_t key, std::int32_t id, const CLibrary& library) {
    const std::uint32_t item = AsLibraryId(id);
    switch (key) {
        case kKeySport:
            return library.GetSportName(item);
        case kKeySubSport:
            return library.GetSubSportName(item);
        case kKeyTemplate:
            return library.GetWorkoutName(item);
        case kKeyTrack:
            return library.GetTrackName(item);
        case kKeyIntensity:
            return library.GetIntensityName(item);
        case kKeyCategory:
            return library.GetCategoryName(item);
        default:
            return {};
    }
}

std::optional<std::uint32_t> KeyColour(std::int32_t key, std::int32_t id, const CLibrary& library) {
    const std::uint32_t item = AsLibraryId(id);
    switch (key) {
        case kKeySport: {
            const CLibSport* sport = library.FindSport(item);
            return sport ? OwnColour(sport->colour) : kWhite;
        }
        case kKeySubSport: {
            const CLibSubSport* subSport = library.FindSubSport(item);
            return subSport ? OwnColour(subSport->colour) : kWhite;
        }
        case kKeyCategory: {
            const CLibCategory* category = library.FindCategory(item);
            return category ? category->colour : kWhite;
        }
        default:
            return std::nullopt;
    }
}

double ChartValueOf(const CWorkOut& workout, bool showDistance, const UnitSettings& units) {
    const double value = showDistance ? ToDisplay(workout.distance, kUnitDistance, units)
                                      : workout.duration * 0.016666666666666666;
    return std::isfinite(value) ? value : 0.0;
}

}  // namespace kadenzo
