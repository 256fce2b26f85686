#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kadenzo {

class CLibrary;

// One entry of a choice list of the editor: the item's id (0 for the "none"
// entry) and its name.
struct ChoiceEntry {
    std::uint32_t id = 0;
    std::string name;
    friend bool operator==(const ChoiceEntry&, const ChoiceEntry&) = default;
};

// The first entry of every list: nothing chosen.
inline constexpr char kNoChoiceText[] = "--------";

// Each list starts with the "none" entry, then the library's items in their
// order: sports offered for planning (active ones), the sub-sports and the
// tracks of one sport, all intensities.
std::vector<ChoiceEntry> SportChoices(const CLibrary& library);
std::vector<ChoiceEntry> SubSportChoices(const CLibrary& library, std::uint32_t sportId);
std::vector<ChoiceEntry> TrackChoices(const CLibrary& library, std::uint32_t sportId);
std::vector<ChoiceEntry> IntensityChoices(const CLibrary& library);

// The position of the entry with this id, or -1.
int IndexOfChoice(const std::vector<ChoiceEntry>& entries, std::uint32_t id);
// The id of the entry at index; 0 for -1 or an index outside the list.
std::uint32_t ChoiceAt(const std::vector<ChoiceEntry>& entries, int index);

}  // namespace kadenzo
