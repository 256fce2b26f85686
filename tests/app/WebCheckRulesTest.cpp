// The information file's reading and the web check's schedule and decisions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "InfoFile.h"
#include "WebCheckRules.h"

using namespace kadenzo;

namespace {

constexpr std::int64_t kNow = 1'700'000'000;
constexpr std::int64_t kDay = 24 * 3600;
constexpr ProgramVersion kRunning{3, 1, 1, 0};

struct ParseCase {
    const char* name;
    std::string text;
    std::array<std::int32_t, 4> version;
    std::uint32_t infoId;
    std::optional<std::string> page;
};

std::string PrintParseCase(const testing::TestParamInfo<ParseCase>& info) {
    return info.param.name;
}

class ParseInfoFileTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseInfoFileTest, ReadsVersionNumberAndPage) {
    const ParseCase& c = GetParam();
    const std::optional<InfoFile> info = ParseInfoFile(c.text);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->version, c.version);
    EXPECT_EQ(info->infoId, c.infoId);
    EXPECT_EQ(info->pageAddress, c.page);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ParseInfoFileTest,
    testing::Values(
        ParseCase{"plain",
                  "3.1.1.0.12;https://www.kadenzo.de/news/12.html;",
                  {3, 1, 1, 0},
                  12,
                  "https://www.kadenzo.de/news/12.html"},
        ParseCase{"spacesTabsAndLineFeeds",
                  "3 .1\t.1\n.0\n. 12 ; https://a.de/x ;\n",
                  {3, 1, 1, 0},
                  12,
                  "https://a.de/x"},
        // Line feeds go before the numbers are read, so they separate nothing.
        ParseCase{"lineFeedIsNoSeparator", "3.1.1.0\n5;http://a.de/;", {3, 1, 1, 5}, 0, {}},
        // A carriage return stays and serves as a number's separator.
        ParseCase{
            "windowsLineEnds", "3.2.0.0\r\n7;http://a.de/;\r\n", {3, 2, 0, 0}, 7, "http://a.de/"},
        ParseCase{"anySeparator", "4,0-2x7/5;http://a.de/;", {4, 0, 2, 7}, 5, "http://a.de/"},
        ParseCase{
            "restIgnored", "3.1.1.0.2;http://a.de/;;more;stuff", {3, 1, 1, 0}, 2, "http://a.de/"},
        ParseCase{"noClosingSemicolon", "3.1.1.0.12;https://a.de/", {3, 1, 1, 0}, 12, {}},
        ParseCase{"noSemicolonAfterNumber", "3.1.1.0.12https://a.de/;", {3, 1, 1, 0}, 12, {}},
        ParseCase{"versionOnly", "3.1.1.0", {3, 1, 1, 0}, 0, {}},
        ParseCase{"versionAndSeparatorOnly", "3.1.1.0.", {3, 1, 1, 0}, 0, {}},
        // Numbers were 32-bit: large ones stick at the limit, and the page
        // number is taken unsigned.
        ParseCase{"hugeNumber",
                  "99999999999.1.1.0.5;http://a.de/;",
                  {INT32_MAX, 1, 1, 0},
                  5,
                  "http://a.de/"},
        ParseCase{"negativePageNumber",
                  "3.1.1.0.-1;http://a.de/;",
                  {3, 1, 1, 0},
                  0xFFFFFFFFu,
                  "http://a.de/"}),
    PrintParseCase);

TEST(ParseInfoFile, TextCutShortOrNotAnInfoFileGivesNothing) {
    const std::vector<std::string> texts{"",
                                         "3",
                                         "3.1.1",
                                         "3.1.1.",
                                         "3.1..0.4;http://a.de/;",
                                         "<html><body>Not Found</body></html>",
                                         std::string("3.1\0.1.0", 8)};
    for (const std::string& text : texts) EXPECT_FALSE(ParseInfoFile(text).has_value()) << text;
}

TEST(IsWebAddress, OnlyHttpAndHttpsWithAHost) {
    for (const char* good : {"http://a.de", "https://www.kadenzo.de/news?id=3#top", "HTTPS://A.DE/",
                             "http://127.0.0.1:8080/x", "https://user@host/"})
        EXPECT_TRUE(IsWebAddress(good)) << good;
    const std::vector<std::string> bad{"",
                                       "file:///etc/passwd",
                                       "javascript:alert(1)",
                                       "ftp://a.de/",
                                       "https://",
                                       "http://:80/",
                                       "https://user@/x",
                                       "http:/a.de",
                                       "httpx://a.de",
                                       "https://a.de/two words",
                                       "https://a.de/\x01",
                                       "https://a.de/\xE4",
                                       std::string("https://a.de/\0x", 15)};
    for (const std::string& address : bad) EXPECT_FALSE(IsWebAddress(address)) << address;
}

TEST(WebCheckSchedule, VersionMonthlyInformationWeekly) {
    struct Case {
        std::int64_t lastVersion, lastInfo;
        bool versionDue, downloadDue;
    } cases[] = {
        {0, 0, true, true},                                // first start
        {kNow - 2 * kDay, kNow - 2 * kDay, false, false},  // within a week
        {kNow - 20 * kDay, kNow - 8 * kDay, false, true},  // information only
        {kNow - 30 * kDay, kNow - kDay, true, true},       // exactly 30 days
        {kNow - 29 * kDay, kNow - 7 * kDay, false, true},  // exactly 7 days
        {kNow - 29 * kDay, kNow - 7 * kDay + 1, false, false},
        {kNow + 5 * kDay, kNow + 5 * kDay, true, true},  // clock set back
    };
    for (const Case& c : cases) {
        const WebCheckState state{c.lastVersion, c.lastInfo, 0};
        EXPECT_EQ(IsVersionCheckDue(state, kNow), c.versionDue) << c.lastVersion;
        EXPECT_EQ(IsDownloadDue(state, kNow), c.downloadDue) << c.lastInfo;
    }
}

TEST(DecideWebCheck, FollowsVersionAndInformationRules) {
    using Action = WebCheckOutcome::Action;
    const std::int64_t week = kNow - 8 * kDay;
    const std::int64_t days20 = kNow - 20 * kDay;
    struct Case {
        const char* name;
        WebCheckState before;
        const char* file;
        Action action;
        WebCheckState after;
    } cases[] = {
        {"first start, same version",
         {},
         "3.1.1.0.3;http://a.de/3;",
         Action::OpenPage,
         {kNow, kNow, 3}},
        {"first start, no page", {}, "3.1.1.0.0;", Action::None, {kNow, kNow, 0}},
        {"older version", {}, "3.1.0.9.3;http://a.de/3;", Action::OfferDownload, {kNow, 0, 0}},
        {"newer build",
         {0, week, 2},
         "3.1.1.1.3;http://a.de/3;",
         Action::OfferDownload,
         {kNow, week, 2}},
        {"negative number differs", {}, "-3.1.1.0.0;", Action::OfferDownload, {kNow, 0, 0}},
        {"different but not due",
         {days20, week, 2},
         "4.0.0.0.3;http://a.de/3;",
         Action::OpenPage,
         {days20, kNow, 3}},
        {"equal page number",
         {days20, week, 3},
         "3.1.1.0.3;http://a.de/3;",
         Action::None,
         {days20, kNow, 3}},
        {"lower page number",
         {days20, week, 9},
         "3.1.1.0.3;http://a.de/3;",
         Action::None,
         {days20, kNow, 9}},
        {"no closing semicolon",
         {days20, week, 2},
         "3.1.1.0.3;http://a.de/3",
         Action::None,
         {days20, kNow, 2}},
        {"not a web address",
         {days20, week, 2},
         "3.1.1.0.3;file:///etc/passwd;",
         Action::None,
         {days20, kNow, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<InfoFile> info = ParseInfoFile(c.file);
        ASSERT_TRUE(info.has_value());
        const WebCheckOutcome outcome = DecideWebCheck(c.before, kNow, *info, kRunning);
        EXPECT_EQ(outcome.action, c.action);
        EXPECT_EQ(outcome.state.lastVersionCheck, c.after.lastVersionCheck);
        EXPECT_EQ(outcome.state.lastInfoCheck, c.after.lastInfoCheck);
        EXPECT_EQ(outcome.state.lastInfoId, c.after.lastInfoId);
        if (c.action == Action::OpenPage) {
            EXPECT_EQ(outcome.pageAddress, "http://a.de/3");
        }
        if (c.action == Action::OfferDownload) {
            EXPECT_EQ(outcome.serverVersion, info->version);
        }
    }
}

}  // namespace
