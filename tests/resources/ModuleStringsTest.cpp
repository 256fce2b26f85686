#include <gtest/gtest.h>

#include "ModuleStrings.h"

namespace kadenzo {
namespace {

TEST(ModuleStrings, ReadsIdsAndTextsWithEscapes) {
    const auto texts = ParseModuleStrings(
        "# comment\n"
        "\n"
        "1\tOne\n"
        "33036\tDuration: %s\\nline two\\tTab \\\\ back\n"
        "42\t\n");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts.at(1), QStringLiteral("One"));
    EXPECT_EQ(texts.at(33036), QStringLiteral("Duration: %s\nline two\tTab \\ back"));
    EXPECT_EQ(texts.at(42), QString());
}

TEST(ModuleStrings, KeepsUtf8AndToleratesWindowsLineEnds) {
    const auto texts = ParseModuleStrings("33017\tIntensit\xC3\xA4ten\r\n33018\tSportarten\r\n");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts.at(33017), QString::fromUtf8("Intensit\xC3\xA4ten"));
    EXPECT_EQ(texts.at(33018), QStringLiteral("Sportarten"));
}

TEST(ModuleStrings, SkipsMalformedLines) {
    const auto texts = ParseModuleStrings(
        "no tab here\n"
        "\tno id\n"
        "12x\tletters in the id\n"
        "-5\tnegative\n"
        "4294967296\ttoo large for 32 bits\n"
        "4294967295\tlargest\n");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts.at(4294967295u), QStringLiteral("largest"));
}

TEST(ModuleStrings, LaterLineReplacesEarlierAndTabsStayInText) {
    const auto texts = ParseModuleStrings("7\tfirst\n7\tsecond\tpart\n");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts.at(7), QStringLiteral("second\tpart"));
}

TEST(ModuleStrings, UnknownAndTrailingEscapesStayAsWritten) {
    EXPECT_EQ(UnescapeModuleText(u"a\\qb"), QStringLiteral("a\\qb"));
    EXPECT_EQ(UnescapeModuleText(u"end\\"), QStringLiteral("end\\"));
    EXPECT_EQ(UnescapeModuleText(u"\\\\n"), QStringLiteral("\\n"));
}

}  // namespace
}  // namespace kadenzo
