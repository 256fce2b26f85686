#include "ActivityFacts.h"

namespace kadenzo {

std::string ActivityFacts::Kind() const {
    if (sessions > 1 || sport.empty()) return {};
    return subSport.empty() ? sport : sport + "/" + subSport;
}

std::string SportNameOfText(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) return {};
    text = text.substr(first, text.find_last_not_of(kSpace) - first + 1);
    std::string name;
    name.reserve(text.size());
    bool gap = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '-') {
            gap = true;
            continue;
        }
        if (gap) name += '_';
        gap = false;
        name += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return name;
}

}  // namespace kadenzo
