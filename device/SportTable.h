#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kadenzo {

class CLibrary;

// Which sport of the library an activity is entered as, by its kind: FIT's
// sport and sub-sport names, "cycling/mountain", or the sport alone.
class SportTable {
public:
    // The sport an activity takes when the table has nothing for its kind:
    // the library's built-in sport.
    static constexpr std::uint32_t kOtherSport = 100;

    // The starter library's sports for the kinds devices record most.
    static SportTable Starter();

    // Enters or changes the sport of a kind (its letter case does not count).
    void Set(std::string_view kind, std::uint32_t sportId);
    // Takes a kind out of the table; its activities then go by their sport
    // alone, else the other sport.
    void Remove(std::string_view kind);
    const std::map<std::string, std::uint32_t, std::less<>>& Entries() const { return entries_; }

    // The entry of "sport/sub-sport", else of the sport alone, else the other
    // sport; so also for no kind (""), and for an entry naming a sport the
    // library lacks.
    std::uint32_t SportOf(std::string_view kind, const CLibrary& library) const;

private:
    std::map<std::string, std::uint32_t, std::less<>> entries_;
};

// The sport alone of a kind: "cycling" of "cycling/mountain".
std::string_view SportPartOf(std::string_view kind);

// "KIND=ID" as the command line gives an entry; nothing for any other text.
std::optional<std::pair<std::string, std::uint32_t>> ParseSportEntry(std::string_view text);

// The table as "KIND=ID" entries, the way the settings keep it, and back;
// entries that do not read are passed over.
std::vector<std::string> SportEntryTexts(const SportTable& table);
SportTable SportTableFromEntries(const std::vector<std::string>& entries);

}  // namespace kadenzo
