#include <gtest/gtest.h>

#include "ModuleStrings.h"

namespace kadenzo {
namespace {

TEST(ModuleStrings, ReadsIdsAndTextsWithEscapesAndSkipsMalformedLines) {
    const auto texts = ParseModuleStrings(
        "# comment\n\n"
        "1\tOne\r\n"
        "33036\tDuration: %s\\nline two\\tTab \\\\ back \\q end\\\n"
        "33017\tIntensit\xC3\xA4ten\n"
        "42\t\n"
        "7\tfirst\n7\tsecond\tpart\n"
        "no tab here\n\tno id\n12x\tletters\n-5\tnegative\n"
        "4294967296\ttoo large for 32 bits\n"
        "4294967295\tlargest\n");
    const std::map<std::uint32_t, QString> expected = {
        {1, QStringLiteral("One")},
        {33036, QStringLiteral("Duration: %s\nline two\tTab \\ back \\q end\\")},
        {33017, QString::fromUtf8("Intensit\xC3\xA4ten")},
        {42, QString()},
        {7, QStringLiteral("second\tpart")},
        {4294967295u, QStringLiteral("largest")}};
    ASSERT_EQ(texts.size(), expected.size());
    for (const auto& [id, text] : expected) EXPECT_EQ(texts.at(id), text) << id;
}

}  // namespace
}  // namespace kadenzo
