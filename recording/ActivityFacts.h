#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kadenzo {

// FIT's file type of an activity; courses, workouts, settings and the like
// have other types and hold nothing that was done.
inline constexpr std::uint32_t kFitFileTypeActivity = 4;

// The file id message every FIT file begins with. A device gives each of its
// files its own serial number and creation time, so the pair names an
// activity whatever the file is called or however it was copied.
struct FitFileId {
    std::optional<std::uint32_t> type;
    std::optional<std::uint32_t> serialNumber;
    std::optional<std::uint32_t> timeCreated;  // FIT seconds

    // Whether serial number and creation time are both there and not 0, so
    // that an equal pair means the same activity.
    bool Identifies() const {
        return serialNumber.value_or(0) != 0 && timeCreated.value_or(0) != 0;
    }
    bool SameActivity(const FitFileId& other) const {
        return Identifies() && other.Identifies() && serialNumber == other.serialNumber &&
               timeCreated == other.timeCreated;
    }
};

// What a device file says about its activity besides the samples. The
// heart-rate formats say none of it.
struct ActivityFacts {
    std::optional<FitFileId> fitFileId;  // FIT files only
    // The sport by FIT's profile names, lower case ("cycling", "mountain");
    // "" where the file names none (or only FIT's "generic").
    std::string sport;
    std::string subSport;
    int sessions = 0;  // FIT sessions, TCX activities; 0 where the format has none
    // Seconds to add to an instant (UTC) for the activity's own local time:
    // FIT's activity message gives its local time stamp beside its time stamp.
    std::optional<std::int64_t> localOffset;

    // "sport/sub-sport", "sport", or "" for none; a file of more than one
    // session (a triathlon) has none either.
    std::string Kind() const;
};

// A sport named in a text file (GPX's track type) as a FIT sport name: lower
// case, white space and hyphens as "_", trimmed ("Cross-country skiing" is
// "cross_country_skiing").
std::string SportNameOfText(std::string_view text);

}  // namespace kadenzo
