#pragma once

#include <cstdint>

namespace kadenzo {

// Numbered texts of the recording import dialog and its chart, beside the
// summary, marker and filter texts 33036 to 33042 the dialog formats.
namespace recordingtext {
inline constexpr std::uint32_t kImportTitle = 34600;
inline constexpr std::uint32_t kFileLabel = 34601;
inline constexpr std::uint32_t kBrowse = 34602;
inline constexpr std::uint32_t kAxisGroup = 34603;
inline constexpr std::uint32_t kDistanceAxis = 34604;
inline constexpr std::uint32_t kTimeOfDayAxis = 34605;
inline constexpr std::uint32_t kElapsedTimeAxis = 34606;
inline constexpr std::uint32_t kWholeGroup = 34607;
inline constexpr std::uint32_t kPartGroup = 34608;
inline constexpr std::uint32_t kWholeExcludePauses = 34609;
inline constexpr std::uint32_t kPartExcludePauses = 34610;
inline constexpr std::uint32_t kCannotOpen = 34611;     // %s: the file
inline constexpr std::uint32_t kNotRecognised = 34612;  // %s: the file
inline constexpr std::uint32_t kUnknownType = 34613;    // %s: the file, %s: the extensions read
inline constexpr std::uint32_t kNoSamples = 34614;      // %s: the file
inline constexpr std::uint32_t kChartHint = 34615;      // the chart's tool tip
inline constexpr std::uint32_t kDamaged = 34616;        // %s: the file
inline constexpr std::uint32_t kCutShort = 34617;       // %s: the file
}  // namespace recordingtext

}  // namespace kadenzo
