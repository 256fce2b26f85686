#include "SpokenText.h"

#include "ResourceIds.h"

namespace kadenzo {
namespace {

std::string TextOr(const StringTable& texts, int id, const char* english) {
    std::string text = texts.Text(static_cast<std::uint32_t>(id));
    return text.empty() ? english : text;
}

// A choice of nothing: dashes alone, perhaps between angle brackets and blanks.
bool IsNoChoice(std::string_view shown) {
    bool dash = false;
    for (char c : shown) {
        if (c == '-')
            dash = true;
        else if (c != ' ' && c != '<' && c != '>')
            return false;
    }
    return dash;
}

}  // namespace

std::string SpokenText(std::string_view shown, const StringTable& texts) {
    if (IsNoChoice(shown)) return TextOr(texts, IDS_SPOKEN_NONE, "none");
    std::string spoken;
    const std::string unknown = TextOr(texts, IDS_SPOKEN_UNKNOWN, "unknown");
    std::size_t from = 0;
    for (std::size_t at = shown.find("???"); at != std::string_view::npos;
         at = shown.find("???", from)) {
        spoken.append(shown.substr(from, at - from)).append(unknown);
        from = at + 3;
        // "????" is one mark with a question mark of its own, not two.
        while (from < shown.size() && shown[from] == '?') ++from;
    }
    spoken.append(shown.substr(from));
    return spoken;
}

}  // namespace kadenzo
