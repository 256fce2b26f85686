#include <gtest/gtest.h>

#include "ResourceIds.h"
#include "SpokenText.h"

namespace kadenzo {
namespace {

class German : public StringTable {
public:
    std::string Text(std::uint32_t id) const override {
        if (id == IDS_SPOKEN_UNKNOWN) return "unbekannt";
        if (id == IDS_SPOKEN_NONE) return "keine Angabe";
        return {};
    }
};

TEST(SpokenText, MarksReadAsWordsAndEverythingElseAsShown) {
    const struct {
        const char* shown;
        const char* spoken;
    } cases[] = {
        {"???", "unknown"},
        {"???, 0:30", "unknown, 0:30"},
        {"Trail - ???", "Trail - unknown"},
        {"??? ???", "unknown unknown"},
        {"????", "unknown"},
        {"Why?", "Why?"},
        {"--------", "none"},
        {"< ------ >", "none"},
        {"0:30 - 5.1km", "0:30 - 5.1km"},
        {"-", "none"},
        {"- 5", "- 5"},
        {"", ""},
        {"< >", "< >"},
    };
    const EmptyStringTable english;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(SpokenText(c.shown, english), c.spoken);
    }
    EXPECT_EQ(SpokenText("???, 1:00", German()), "unbekannt, 1:00");
    EXPECT_EQ(SpokenText("< ------ >", German()), "keine Angabe");
}

}  // namespace
}  // namespace kadenzo
