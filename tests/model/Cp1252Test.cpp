#include <gtest/gtest.h>

#include "Cp1252.h"

namespace kadenzo {
namespace {

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    EXPECT_EQ(Cp1252ToUtf8("M\xFC \x80"), "M\xC3\xBC \xE2\x82\xAC");
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, UnmappableAndMalformedInputBecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");      // a CJK character
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");            // cut short
    EXPECT_EQ(Utf8ToCp1252("\x80x"), "?x");            // stray continuation
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80"), "?");  // outside the BMP
    EXPECT_EQ(Utf16UnitToCp1252(u'\u20AC'), '\x80');
    EXPECT_EQ(Utf16UnitToCp1252(u'\u4E2D'), '?');
}

}  // namespace
}  // namespace kadenzo
