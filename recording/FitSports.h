#pragma once

#include <cstdint>
#include <string_view>

namespace kadenzo {

// The names FIT's profile gives the values of its sport and sub_sport types
// ("running", "mountain"), "" for a value it does not name here.
std::string_view FitSportName(std::uint32_t sport);
std::string_view FitSubSportName(std::uint32_t subSport);

}  // namespace kadenzo
