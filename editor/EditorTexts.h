#pragma once

#include <cstdint>

namespace kadenzo {

// Numbered texts of the workout editor's sheet and pages. The unit labels
// (33102 to 33107) and the import question 33062 come from the shared texts.
namespace editortext {
inline constexpr std::uint32_t kSetupTab = 34150;
inline constexpr std::uint32_t kPerformanceTab = 34151;
inline constexpr std::uint32_t kTemplate = 34152;
inline constexpr std::uint32_t kChooseTemplate = 34153;
inline constexpr std::uint32_t kSport = 34154;
inline constexpr std::uint32_t kPlanned = 34155;
inline constexpr std::uint32_t kPlannedExample = 34156;  // %s: the distance unit
inline constexpr std::uint32_t kTargetHeartRate = 34157;
inline constexpr std::uint32_t kKeyWorkout = 34158;
inline constexpr std::uint32_t kNote = 34159;
inline constexpr std::uint32_t kLink = 34160;
inline constexpr std::uint32_t kBrowse = 34161;
inline constexpr std::uint32_t kOpenLink = 34162;
inline constexpr std::uint32_t kAllFilesFilter = 34163;
inline constexpr std::uint32_t kWholeWorkout = 34164;
inline constexpr std::uint32_t kMarkedSection = 34165;
inline constexpr std::uint32_t kDistance = 34166;  // %s: the distance unit
inline constexpr std::uint32_t kDuration = 34167;
inline constexpr std::uint32_t kAverageHeartRate = 34168;
inline constexpr std::uint32_t kMaximumHeartRate = 34169;
inline constexpr std::uint32_t kSpeedAndPace = 34170;
inline constexpr std::uint32_t kSubSport = 34171;
inline constexpr std::uint32_t kTrack = 34172;
inline constexpr std::uint32_t kIntensity = 34173;
inline constexpr std::uint32_t kComment = 34174;
inline constexpr std::uint32_t kRecording = 34175;
inline constexpr std::uint32_t kImport = 34176;
inline constexpr std::uint32_t kMaximumTest = 34177;
inline constexpr std::uint32_t kRecordingsFilter = 34178;  // the name of the all-formats entry
inline constexpr std::uint32_t kFiguresGroup = 34179;
inline constexpr std::uint32_t kDetailsGroup = 34180;
// The figures' names in the message on a value their field cannot take.
inline constexpr std::uint32_t kDistanceName = 34803;
inline constexpr std::uint32_t kDurationName = 34804;
inline constexpr std::uint32_t kAverageHeartRateName = 34805;
inline constexpr std::uint32_t kMaximumHeartRateName = 34806;
inline constexpr std::uint32_t kPartDistanceName = 34807;
inline constexpr std::uint32_t kPartDurationName = 34808;
inline constexpr std::uint32_t kPartAverageHeartRateName = 34809;
inline constexpr std::uint32_t kPartMaximumHeartRateName = 34810;
inline constexpr std::uint32_t kPlannedDistanceName = 34811;
inline constexpr std::uint32_t kPlannedDurationName = 34812;
}  // namespace editortext

}  // namespace kadenzo
