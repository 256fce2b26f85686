#include "SportsMenu.h"

#include <unordered_set>

#include "Library.h"

namespace kadenzo {

std::vector<SportMenuEntry> SportsMenuEntries(const CLibrary& library) {
    std::unordered_set<std::uint32_t> withSubSports;
    for (const auto& subSport : library.subSports) withSubSports.insert(subSport->sportId);
    std::vector<SportMenuEntry> entries;
    for (const auto& sport : library.sports) {
        if (withSubSports.count(sport->id)) entries.push_back({sport->id, sport->name});
    }
    return entries;
}

}  // namespace kadenzo
