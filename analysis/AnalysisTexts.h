#pragma once

#include <cstdint>

namespace kadenzo {

// Numbered texts of the analysis view's own dialogs, beside the historical
// ones in resources/ResourceIds.h. The month names of the chart's labels are
// the program's (DateNames).
namespace analysistext {
inline constexpr std::uint32_t kScaleTitle = 34320;
inline constexpr std::uint32_t kScaleAutomatic = 34321;
inline constexpr std::uint32_t kScaleDivisions = 34322;
inline constexpr std::uint32_t kScaleText = 34323;
inline constexpr std::uint32_t kScaleStep = 34324;
inline constexpr std::uint32_t kScaleBadDivisions = 34325;
inline constexpr std::uint32_t kScaleBadStep = 34326;
inline constexpr std::uint32_t kStatisticsTitle = 34330;
inline constexpr std::uint32_t kStatisticsFrom = 34331;
inline constexpr std::uint32_t kStatisticsTo = 34332;
inline constexpr std::uint32_t kDetailByCategory = 34333;
inline constexpr std::uint32_t kDetailBySubSport = 34334;
inline constexpr std::uint32_t kDetailByTemplate = 34335;
}  // namespace analysistext

}  // namespace kadenzo
