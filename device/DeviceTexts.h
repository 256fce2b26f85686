#pragma once

#include <cstdint>

#include "DeviceActivity.h"

namespace kadenzo {

// Numbered texts of the device import: its window, its settings and the
// notice in the main window.
namespace devicetext {
inline constexpr std::uint32_t kTitle = 35300;
inline constexpr std::uint32_t kFolderLabel = 35301;
inline constexpr std::uint32_t kChangeFolder = 35302;
inline constexpr std::uint32_t kDayColumn = 35303;  // to kOutcomeColumn, in column order
inline constexpr std::uint32_t kStartColumn = 35304;
inline constexpr std::uint32_t kSportColumn = 35305;
inline constexpr std::uint32_t kDurationColumn = 35306;
inline constexpr std::uint32_t kDistanceColumn = 35307;
inline constexpr std::uint32_t kPulseColumn = 35308;
inline constexpr std::uint32_t kOutcomeColumn = 35309;
inline constexpr std::uint32_t kNewWorkout = 35310;
inline constexpr std::uint32_t kSkip = 35311;
inline constexpr std::uint32_t kChoose = 35312;
inline constexpr std::uint32_t kFills = 35313;       // %s: the workout
inline constexpr std::uint32_t kActivities = 35314;  // the list's label
inline constexpr std::uint32_t kOutcomeLabel = 35315;
inline constexpr std::uint32_t kSummary = 35316;  // %d new, %d in the diary, %d unreadable
inline constexpr std::uint32_t kFailedLabel = 35317;
inline constexpr std::uint32_t kSettings = 35318;
inline constexpr std::uint32_t kSettingsTitle = 35319;
inline constexpr std::uint32_t kSaveFirst = 35320;
inline constexpr std::uint32_t kNotImported = 35321;  // %d imported, %s the files and reasons
inline constexpr std::uint32_t kNoticeOne = 35322;    // %d (1), %s: the folder
inline constexpr std::uint32_t kNoticeMany = 35323;   // %d, %s: the folder
inline constexpr std::uint32_t kNoticeImport = 35324;
inline constexpr std::uint32_t kNoticeDismiss = 35325;
inline constexpr std::uint32_t kCannotRead = 35326;  // %s: the folder, %s: why
inline constexpr std::uint32_t kChooseFirst = 35327;
inline constexpr std::uint32_t kSportsLabel = 35328;
inline constexpr std::uint32_t kKindLabel = 35329;
inline constexpr std::uint32_t kSportLabel = 35330;
inline constexpr std::uint32_t kSetSport = 35331;
inline constexpr std::uint32_t kRemoveSport = 35332;
inline constexpr std::uint32_t kFoldersLabel = 35333;
inline constexpr std::uint32_t kAddFolder = 35334;
inline constexpr std::uint32_t kRemoveFolder = 35335;
inline constexpr std::uint32_t kImportFailed = 35337;  // %s: why
inline constexpr std::uint32_t kNotice = 35338;        // the notice's name
inline constexpr std::uint32_t kChooseFolder = 35339;  // the folder chooser's caption
inline constexpr std::uint32_t kPlanned = 35340;       // %s: the template, %s: the plan
inline constexpr std::uint32_t kKindRefused = 35341;
inline constexpr std::uint32_t kNotImportedOne = 35342;    // kNotImported for one
inline constexpr std::uint32_t kFailedCannotOpen = 35343;  // %s: the file, to kFailedCannotCopy
inline constexpr std::uint32_t kFailedCannotCopy = 35350;

// A file not taken, with why, in the user's language (%s: the file).
inline constexpr std::uint32_t FailedText(FailedWhy why) {
    return kFailedCannotOpen + static_cast<std::uint32_t>(why);
}
static_assert(FailedText(FailedWhy::kCannotCopy) == kFailedCannotCopy);
}  // namespace devicetext

}  // namespace kadenzo
