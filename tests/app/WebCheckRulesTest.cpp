// The information file's reading and the web check's schedule and decisions.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "InfoFile.h"
#include "WebCheckRules.h"

using namespace kadenzo;

namespace {

constexpr std::int64_t kNow = 1'700'000'000;
constexpr std::int64_t kDay = 24 * 3600;
using Version = std::array<std::int32_t, 4>;

TEST(ParseInfoFile, ReadsVersionNumberAndPage) {
    const struct {
        std::string text;
        Version version;
        std::uint32_t id;
        std::optional<std::string> page;
    } cases[] = {
        {"3.1.1.0.12;https://a.de/n/12;", {3, 1, 1, 0}, 12, "https://a.de/n/12"},
        // Spaces, tabs and line feeds go; a carriage return stays and separates.
        {"3 .1\t.1\n.0\r\n 7 ; http://a.de/ ;\r\n", {3, 1, 1, 0}, 7, "http://a.de/"},
        {"3.1.1.0\n5;http://a.de/;", {3, 1, 1, 5}, 0, {}},  // a line feed separates nothing
        {"4,0-2x7/5;http://a.de/;;rest;", {4, 0, 2, 7}, 5, "http://a.de/"},
        {"3.1.1.0.12;https://a.de/", {3, 1, 1, 0}, 12, {}},  // no closing ';'
        {"3.1.1.0.12https://a.de/;", {3, 1, 1, 0}, 12, {}},  // no ';' after the number
        {"3.1.1.0", {3, 1, 1, 0}, 0, {}},
        // 32-bit numbers as the files were written; the page number unsigned.
        {"99999999999.1.1.0.-1;http://a.de/;", {INT32_MAX, 1, 1, 0}, 0xFFFFFFFFu, "http://a.de/"},
    };
    for (const auto& c : cases) {
        const std::optional<InfoFile> info = ParseInfoFile(c.text);
        ASSERT_TRUE(info.has_value()) << c.text;
        EXPECT_EQ(info->version, c.version) << c.text;
        EXPECT_EQ(info->infoId, c.id) << c.text;
        EXPECT_EQ(info->pageAddress, c.page) << c.text;
    }
}

TEST(ParseInfoFile, TextCutShortOrNotAnInfoFileGivesNothing) {
    for (const std::string text :
         {"", "3.1.1", "3.1.1.", "3.1..0.4;http://a.de/;", "<html><body>Not Found</body></html>"})
        EXPECT_FALSE(ParseInfoFile(text).has_value()) << text;
}

// Every cut of a good file, each in a buffer of exactly its length, so that
// the sanitizer build sees any read past the end; only the whole entry opens.
TEST(ParseInfoFile, EveryTruncationStaysInsideTheText) {
    const std::string file = "3.1.1.0\r\n12;https://a.de/x;\r\n";
    const std::size_t closing = file.rfind(';');
    for (std::size_t length = 0; length <= file.size(); ++length) {
        const auto buffer = std::make_unique<char[]>(length);
        std::copy_n(file.data(), length, buffer.get());
        const std::optional<InfoFile> info = ParseInfoFile({buffer.get(), length});
        ASSERT_EQ(info.has_value(), length >= 7) << length;
        if (info) {
            EXPECT_EQ(info->pageAddress.has_value(), length > closing) << length;
        }
    }
}

TEST(IsWebAddress, OnlyHttpAndHttpsWithAHost) {
    for (const char* good : {"http://a.de", "HTTPS://A.DE/n?id=3#top", "http://127.0.0.1:8080/x"})
        EXPECT_TRUE(IsWebAddress(good)) << good;
    const std::vector<std::string> bad{"file:///etc/passwd", "javascript:alert(1)",
                                       "ftp://a.de/",        "https://",
                                       "http://:80/",        "https://user@/x",
                                       "http:/a.de",         "https://a.de/two words",
                                       "https://a.de/\x01",  std::string("https://a.de/\0x", 15)};
    for (const std::string& address : bad) EXPECT_FALSE(IsWebAddress(address)) << address;
}

TEST(WebCheckSchedule, VersionMonthlyInformationWeekly) {
    const struct {
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
    for (const auto& c : cases) {
        const WebCheckState state{c.lastVersion, c.lastInfo, 0};
        EXPECT_EQ(IsVersionCheckDue(state, kNow), c.versionDue) << c.lastVersion;
        EXPECT_EQ(IsDownloadDue(state, kNow), c.downloadDue) << c.lastInfo;
    }
}

TEST(DecideWebCheck, FollowsVersionAndInformationRules) {
    using Action = WebCheckOutcome::Action;
    const std::int64_t week = kNow - 8 * kDay, days20 = kNow - 20 * kDay;
    const struct {
        const char* name;
        WebCheckState before;
        const char* file;
        Action action;
        WebCheckState after;
    } cases[] = {
        {"first start", {}, "3.1.1.0.3;http://a.de/3;", Action::OpenPage, {kNow, kNow, 3}},
        {"older version", {}, "3.1.0.9.3;http://a.de/3;", Action::OfferDownload, {kNow, 0, 0}},
        {"newer build", {0, week, 2}, "3.1.1.1.3;", Action::OfferDownload, {kNow, week, 2}},
        {"negative differs", {}, "-3.1.1.0.0;", Action::OfferDownload, {kNow, 0, 0}},
        // clang-format off
        {"different, not due", {days20, week, 2}, "4.0.0.0.3;http://a.de/3;", Action::OpenPage,
         {days20, kNow, 3}},
        {"page seen", {days20, week, 3}, "3.1.1.0.3;http://a.de/3;", Action::None,
         {days20, kNow, 3}},
        {"no closing ;", {days20, week, 2}, "3.1.1.0.3;http://a.de/3", Action::None,
         {days20, kNow, 2}},
        {"not on the web", {days20, week, 2}, "3.1.1.0.3;file:///etc/passwd;", Action::None,
         {days20, kNow, 2}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const WebCheckOutcome outcome =
            DecideWebCheck(c.before, kNow, *ParseInfoFile(c.file), ProgramVersion{3, 1, 1, 0});
        EXPECT_EQ(outcome.action, c.action);
        EXPECT_EQ(outcome.state.lastVersionCheck, c.after.lastVersionCheck);
        EXPECT_EQ(outcome.state.lastInfoCheck, c.after.lastInfoCheck);
        EXPECT_EQ(outcome.state.lastInfoId, c.after.lastInfoId);
        EXPECT_EQ(outcome.pageAddress, c.action == Action::OpenPage ? "http://a.de/3" : "");
    }
}

}  // namespace
