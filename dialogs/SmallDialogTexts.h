#pragma once

#include <cstdint>

namespace kadenzo {

// Numbered texts of the template tree and the body data dialog. The weight
// label is 33108 with the unit label.
namespace smalldialogtext {
inline constexpr std::uint32_t kBrowserTitle = 34185;
inline constexpr std::uint32_t kChooserTitle = 34186;
inline constexpr std::uint32_t kBodyDataTitle = 34190;
inline constexpr std::uint32_t kBodyValue2 = 34191;
inline constexpr std::uint32_t kBodyValue3 = 34192;
inline constexpr std::uint32_t kBodyNote = 34193;
// The body data's names in the message on a figure out of range.
inline constexpr std::uint32_t kWeightName = 34813;
inline constexpr std::uint32_t kBodyValue2Name = 34814;
inline constexpr std::uint32_t kBodyValue3Name = 34815;
}  // namespace smalldialogtext

}  // namespace kadenzo
