#include "SportTable.h"

#include <charconv>

#include "Library.h"

namespace kadenzo {
namespace {

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

}  // namespace

SportTable SportTable::Starter() {
    SportTable table;
    table.entries_ = {{"running", 1},
                      {"cycling", 2},
                      {"swimming", 3},
                      {"cycling/mountain", 4},
                      {"cross_country_skiing", 5},
                      {"inline_skating", 6},
                      {"rowing", 7},
                      {"training", 8},
                      {"walking", 9},
                      {"hiking", 11},
                      {"cycling/indoor_cycling", 13}};
    return table;
}

void SportTable::Set(std::string_view kind, std::uint32_t sportId) {
    entries_[LowerCase(kind)] = sportId;
}

void SportTable::Remove(std::string_view kind) {
    if (auto entry = entries_.find(LowerCase(kind)); entry != entries_.end()) entries_.erase(entry);
}

std::uint32_t SportTable::SportOf(std::string_view kind, const CLibrary& library) const {
    if (kind.empty()) return kOtherSport;
    auto entry = entries_.find(kind);
    if (entry == entries_.end()) entry = entries_.find(SportPartOf(kind));
    if (entry == entries_.end() || !library.FindSport(entry->second)) return kOtherSport;
    return entry->second;
}

std::string_view SportPartOf(std::string_view kind) { return kind.substr(0, kind.find('/')); }

std::optional<std::pair<std::string, std::uint32_t>> ParseSportEntry(std::string_view text) {
    const std::size_t equals = text.rfind('=');
    if (equals == std::string_view::npos || equals == 0) return std::nullopt;
    const std::string_view number = text.substr(equals + 1);
    std::uint32_t id = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), id);
    if (number.empty() || error != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    return std::pair{LowerCase(text.substr(0, equals)), id};
}

std::vector<std::string> SportEntryTexts(const SportTable& table) {
    std::vector<std::string> texts;
    for (const auto& [kind, id] : table.Entries()) texts.push_back(kind + '=' + std::to_string(id));
    return texts;
}

SportTable SportTableFromEntries(const std::vector<std::string>& entries) {
    SportTable table;
    for (const std::string& text : entries)
        if (auto entry = ParseSportEntry(text)) table.Set(entry->first, entry->second);
    return table;
}

}  // namespace kadenzo
