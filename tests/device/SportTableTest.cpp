// The table from an activity's kind to the library's sport.
#include <gtest/gtest.h>

#include "DeviceFixture.h"
#include "SportTable.h"

namespace kadenzo::test {
namespace {

TEST(SportTableTest, SubSportThenSportThenTheOtherSport) {
    const std::unique_ptr<CLibrary> library = DeviceLibrary();
    SportTable table = SportTable::Starter();
    table.Set("Swimming/Open_Water", kCycling);  // letter case does not count
    table.Set("rowing", 77);                     // no such sport in the library
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"running", kRunning},
        {"running/trail", kRunning},
        {"cycling/mountain", kMountainBiking},
        {"cycling/indoor_cycling", kIndoorCycling},
        {"cycling/road", kCycling},
        {"swimming/lap_swimming", kSwimming},
        {"swimming/open_water", kCycling},
        {"rowing", kOther},
        {"walking", kOther},  // sport 9 is not in this library
        {"hiit", kOther},
        {"", kOther},
    };
    for (const auto& [kind, sport] : cases) EXPECT_EQ(table.SportOf(kind, *library), sport) << kind;
    EXPECT_EQ(SportPartOf("cycling/mountain"), "cycling");
    EXPECT_EQ(SportPartOf("running"), "running");
}

TEST(SportTableTest, EntriesFromTheCommandLine) {
    using Entry = std::optional<std::pair<std::string, std::uint32_t>>;
    const std::pair<const char*, Entry> cases[] = {
        {"cycling/gravel_cycling=2", Entry{{"cycling/gravel_cycling", 2}}},
        {"Running=11", Entry{{"running", 11}}},
        {"a=b=3", Entry{{"a=b", 3}}},
        {"running", std::nullopt},
        {"=3", std::nullopt},
        {"running=", std::nullopt},
        {"running=-1", std::nullopt},
        {"running=1x", std::nullopt},
        {"running=4294967296", std::nullopt},
    };
    for (const auto& [text, entry] : cases) EXPECT_EQ(ParseSportEntry(text), entry) << text;
}

}  // namespace
}  // namespace kadenzo::test
