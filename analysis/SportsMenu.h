#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kadenzo {

class CLibrary;

// One entry of the analysis view's sports menu.
struct SportMenuEntry {
    std::uint32_t sportId;
    std::string name;  // Windows-1252
};

// The sports that have at least one sub-sport, in library order: entry i gets
// the command id 1025 + i.
std::vector<SportMenuEntry> SportsMenuEntries(const CLibrary& library);

}  // namespace kadenzo
