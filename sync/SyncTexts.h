#pragma once

#include <cstdint>

namespace kadenzo {

// Numbered texts of a diary kept in a synced folder: the merge window, the
// notices and status lines of the open file, and the lock's messages.
namespace synctext {
inline constexpr std::uint32_t kMergeTitle = 35200;
inline constexpr std::uint32_t kMergeIntroDisk = 35201;
inline constexpr std::uint32_t kMergeIntroCopy = 35202;  // %s: the copy's file name
inline constexpr std::uint32_t kConflictList = 35203;
inline constexpr std::uint32_t kColumnDay = 35204;
inline constexpr std::uint32_t kColumnConflict = 35205;
inline constexpr std::uint32_t kColumnMine = 35206;  // also the Keep column's "this diary"
inline constexpr std::uint32_t kColumnTheirs = 35207;
inline constexpr std::uint32_t kColumnKeep = 35208;
inline constexpr std::uint32_t kKeepGroup = 35209;
inline constexpr std::uint32_t kKeepMine = 35210;
inline constexpr std::uint32_t kKeepTheirs = 35211;
inline constexpr std::uint32_t kKeepBoth = 35212;
inline constexpr std::uint32_t kShortBoth = 35214;
inline constexpr std::uint32_t kMineDetails = 35215;
inline constexpr std::uint32_t kTheirsDetails = 35216;
// The kinds of conflict; 35223 is formatted with the library list's name.
inline constexpr std::uint32_t kKindWorkout = 35220;
inline constexpr std::uint32_t kKindBodyData = 35221;
inline constexpr std::uint32_t kKindEvent = 35222;
inline constexpr std::uint32_t kKindLibrary = 35223;
inline constexpr std::uint32_t kKindName = 35224;
inline constexpr std::uint32_t kKindAthlete = 35225;
// Why they are conflicts.
inline constexpr std::uint32_t kEditedOnBoth = 35226;
inline constexpr std::uint32_t kEditedAndRemoved = 35227;
inline constexpr std::uint32_t kAddedOnBoth = 35228;
inline constexpr std::uint32_t kDifferent = 35229;
inline constexpr std::uint32_t kRenamedOnBoth = 35230;
// What the versions hold.
inline constexpr std::uint32_t kNone = 35231;
inline constexpr std::uint32_t kPlanned = 35232;           // %s: duration and distance
inline constexpr std::uint32_t kDone = 35233;              // %s: duration and distance
inline constexpr std::uint32_t kNotes = 35234;             // %s
inline constexpr std::uint32_t kPlanNote = 35235;          // %s
inline constexpr std::uint32_t kHeartRate = 35236;         // %d average, %d maximum
inline constexpr std::uint32_t kSport = 35237;             // %s
inline constexpr std::uint32_t kTime = 35238;              // %s: hh:mm
inline constexpr std::uint32_t kWeight = 35240;            // %.1f %s
inline constexpr std::uint32_t kRestingHeartRate = 35241;  // %d
inline constexpr std::uint32_t kBodyFat = 35242;           // %.1f
inline constexpr std::uint32_t kNote = 35243;              // %s
inline constexpr std::uint32_t kNoEvent = 35244;
inline constexpr std::uint32_t kEventBlocked = 35245;   // %s: the kind
inline constexpr std::uint32_t kEventKind = 35246;      // %d: a kind without a name
inline constexpr std::uint32_t kFirstListName = 35250;  // 35250 ... 35256 by LibraryList
inline constexpr std::uint32_t kBirthDate = 35257;
inline constexpr std::uint32_t kMaxHeartRate = 35258;
inline constexpr std::uint32_t kFormula = 35259;
inline constexpr std::uint32_t kNoFormula = 35260;
inline constexpr std::uint32_t kFormula220 = 34034;  // the profile dialog's
inline constexpr std::uint32_t kFormula210 = 34035;
// The open file's notices, status lines and messages.
inline constexpr std::uint32_t kDiskChangedNotice = 35270;
inline constexpr std::uint32_t kMergeNow = 35271;
inline constexpr std::uint32_t kReloaded = 35272;
inline constexpr std::uint32_t kMergedDisk = 35273;
inline constexpr std::uint32_t kCopyNotice = 35274;  // %s: the copy's file name
inline constexpr std::uint32_t kMergeCopy = 35275;
inline constexpr std::uint32_t kLeaveCopy = 35276;
inline constexpr std::uint32_t kCopyMerged = 35277;      // %s copy, %s where it went
inline constexpr std::uint32_t kDiskUnreadable = 35278;  // %s diary, %s why
inline constexpr std::uint32_t kCopyUnreadable = 35279;  // %s copy, %s why
inline constexpr std::uint32_t kCopyNotMoved = 35280;    // %s why
inline constexpr std::uint32_t kLockQuestion = 35281;    // %s diary, %s user, %s computer
inline constexpr std::uint32_t kReadOnlyNotice = 35282;  // %s user, %s computer
inline constexpr std::uint32_t kEditAnyway = 35283;
inline constexpr std::uint32_t kReadOnlySave = 35284;  // %s diary
inline constexpr std::uint32_t kReadOnlyTitle = 35285;
inline constexpr std::uint32_t kLastSeenProblem = 35286;  // %s why
inline constexpr std::uint32_t kMergeFailed = 35287;      // %s why
inline constexpr std::uint32_t kNoticeName = 35288;
inline constexpr std::uint32_t kMergeCancelled = 35289;
}  // namespace synctext

}  // namespace kadenzo
