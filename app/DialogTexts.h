#pragma once

#include <cstdint>

namespace kadenzo {

// Numbered texts of the program's own small dialogs (About, units, training
// log name) and document messages. The language modules carry them
// beside the message texts.
namespace dialogtext {
inline constexpr std::uint32_t kAboutTitle = 34000;
inline constexpr std::uint32_t kAboutProduct = 34001;
inline constexpr std::uint32_t kAboutCopyright = 34002;
inline constexpr std::uint32_t kUnitsTitle = 34010;
inline constexpr std::uint32_t kUnitsDistance = 34011;
inline constexpr std::uint32_t kUnitsMetric = 34012;
inline constexpr std::uint32_t kUnitsImperial = 34013;
inline constexpr std::uint32_t kUnitsWeight = 34014;
inline constexpr std::uint32_t kUnitsKilograms = 34015;
inline constexpr std::uint32_t kUnitsPounds = 34016;
inline constexpr std::uint32_t kLogNameTitle = 34020;
inline constexpr std::uint32_t kLogNameLabel = 34021;
inline constexpr std::uint32_t kOpenFailed = 34040;   // %s: the file
inline constexpr std::uint32_t kSaveFailed = 34041;   // %s: the file
inline constexpr std::uint32_t kSaveChanges = 34042;  // %s: the diary's title
inline constexpr std::uint32_t kDiaryFilter = 34043;  // file chooser filter for .kdz
inline constexpr std::uint32_t kPlaceholderView = 34044;
inline constexpr std::uint32_t kNotAvailable = 34045;  // for commands not yet built
inline constexpr std::uint32_t kBackupFailed = 34046;  // %s: what went wrong
}  // namespace dialogtext

}  // namespace kadenzo
