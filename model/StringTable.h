#pragma once

#include <cstdint>
#include <string>

namespace kadenzo {

// Numbered user-visible texts (Windows-1252 bytes). The desktop program fills
// this from its language module; the core only asks for texts by number.
class StringTable {
public:
    virtual ~StringTable() = default;
    // Returns the text with this number, or an empty string when there is none.
    virtual std::string Text(std::uint32_t id) const = 0;
};

// A table without any text, for callers that have no language module.
class EmptyStringTable final : public StringTable {
public:
    std::string Text(std::uint32_t) const override { return {}; }
};

}  // namespace kadenzo
