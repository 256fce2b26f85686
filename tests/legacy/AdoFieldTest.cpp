#include <gtest/gtest.h>

#include <cmath>

#include "AdoField.h"

namespace kadenzo {
namespace {

CADOField Make(FieldKind kind, double real, std::int64_t integer = 0, std::string text = "") {
    CADOField f;
    f.kind = kind;
    f.real = real;
    f.integer = integer;
    f.text = std::move(text);
    return f;
}

CADOField Text(const std::string& text) { return Make(FieldKind::Text, 0, 0, text); }

TEST(AdoFieldTest, TextUsesTheOldDigitsAndDateFormats) {
    std::string s;
    EXPECT_EQ(FieldRead::Ok, FieldAsText(Make(FieldKind::Single, 1.1f), s));
    EXPECT_EQ("1.100000024", s);
    EXPECT_EQ(FieldRead::Ok, FieldAsText(Make(FieldKind::Double, 0.1), s));
    EXPECT_EQ("0.10000000000000000555", s);
    CADOField date = Make(FieldKind::Date, 0);
    date.date = {2004, 3, 15, 7, 5, 9};
    EXPECT_EQ(FieldRead::Ok, FieldAsText(date, s));
    EXPECT_EQ("2004-03-15 07:05:09", s);
    date.date = {};  // a damaged value must not upset strftime
    EXPECT_EQ(FieldRead::Ok, FieldAsText(date, s, "%a %b"));
    // Kinds the old layer gave no text for.
    EXPECT_EQ(FieldRead::Mismatch, FieldAsText(Make(FieldKind::Bit, 0, 1), s));
    EXPECT_EQ("", s);
}

TEST(AdoFieldTest, Int32ConvertsNumbersAndNumericText) {
    std::int32_t v = 0;
    EXPECT_EQ(FieldRead::Ok, FieldAsInt32(Text(" 12632256 "), v));
    EXPECT_EQ(12632256, v);
    EXPECT_EQ(FieldRead::Ok, FieldAsInt32(Text("4294967295"), v));
    EXPECT_EQ(-1, v);  // an unsigned id kept by a driver without 32-bit signed types
    EXPECT_EQ(FieldRead::Ok, FieldAsInt32(Text("2.5"), v));
    EXPECT_EQ(2, v);  // ties to even
    for (const CADOField& bad :
         {Text("12abc"), Text("4294967296"), Make(FieldKind::Int64, 0, -2147483649LL),
          Make(FieldKind::Double, 1e300), Make(FieldKind::Double, std::nan("")),
          Make(FieldKind::Other, 0)}) {
        v = 9;
        EXPECT_EQ(FieldRead::Failed, FieldAsInt32(bad, v));
        EXPECT_EQ(0, v);
    }
}

TEST(AdoFieldTest, DoubleConvertsTextAndDates) {
    double v = 0;
    EXPECT_EQ(FieldRead::Ok, FieldAsDouble(Text("12.75"), v));
    EXPECT_EQ(12.75, v);
    EXPECT_EQ(FieldRead::Failed, FieldAsDouble(Text("1,5"), v));  // never the user's locale
    CADOField date = Make(FieldKind::Date, 0);
    date.date = {1899, 12, 30, 6, 0, 0};
    EXPECT_EQ(FieldRead::Ok, FieldAsDouble(date, v));
    EXPECT_EQ(0.25, v);
}

}  // namespace
}  // namespace kadenzo
