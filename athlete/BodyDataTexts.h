#pragma once

#include <cstdint>

namespace kadenzo {

// Numbered texts of the body data dialog. The weight label is 33108 with the
// unit label.
namespace bodydatatext {
inline constexpr std::uint32_t kBodyDataTitle = 34190;
inline constexpr std::uint32_t kBodyValue2 = 34191;
inline constexpr std::uint32_t kBodyValue3 = 34192;
inline constexpr std::uint32_t kBodyNote = 34193;
// The body data's names in the message on a figure out of range.
inline constexpr std::uint32_t kWeightName = 34813;
inline constexpr std::uint32_t kBodyValue2Name = 34814;
inline constexpr std::uint32_t kBodyValue3Name = 34815;
}  // namespace bodydatatext

}  // namespace kadenzo
