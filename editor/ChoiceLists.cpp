#include "ChoiceLists.h"

#include "Library.h"

namespace kadenzo {
namespace {

std::vector<ChoiceEntry> WithNone() { return {ChoiceEntry{0, kNoChoiceText}}; }

}  // namespace

std::vector<ChoiceEntry> SportChoices(const CLibrary& library) {
    std::vector<ChoiceEntry> entries = WithNone();
    for (const auto& sport : library.sports)
        if (sport->active) entries.push_back({sport->id, sport->name});
    return entries;
}

std::vector<ChoiceEntry> SubSportChoices(const CLibrary& library, std::uint32_t sportId) {
    std::vector<ChoiceEntry> entries = WithNone();
    for (const auto& subSport : library.subSports)
        if (subSport->sportId == sportId) entries.push_back({subSport->id, subSport->name});
    return entries;
}

std::vector<ChoiceEntry> TrackChoices(const CLibrary& library, std::uint32_t sportId) {
    std::vector<ChoiceEntry> entries = WithNone();
    for (const auto& track : library.tracks)
        if (track->sportId == sportId) entries.push_back({track->id, track->name});
    return entries;
}

std::vector<ChoiceEntry> IntensityChoices(const CLibrary& library) {
    std::vector<ChoiceEntry> entries = WithNone();
    for (const auto& intensity : library.intensities)
        entries.push_back({intensity->id, intensity->name});
    return entries;
}

int IndexOfChoice(const std::vector<ChoiceEntry>& entries, std::uint32_t id) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].id == id) return static_cast<int>(i);
    return -1;
}

std::uint32_t ChoiceAt(const std::vector<ChoiceEntry>& entries, int index) {
    if (index < 0 || index >= static_cast<int>(entries.size())) return 0;
    return entries[static_cast<std::size_t>(index)].id;
}

}  // namespace kadenzo
