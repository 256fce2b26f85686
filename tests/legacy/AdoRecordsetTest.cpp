#include <gtest/gtest.h>

#include <clocale>

#include "AdoDataBase.h"
#include "AdoRecordset.h"
#include "OdbcSandbox.h"

namespace kadenzo {
namespace {

using AdoRecordsetTest = test::OdbcTest;

TEST_F(AdoRecordsetTest, ReadsEveryColumnKindByNameAndNullsAsEmpty) {
    EXPECT_STREQ("C", std::setlocale(LC_CTYPE, nullptr));  // Open restored it
    Exec(
        "CREATE TABLE T (Id LONG, Name VARCHAR(50), Small SMALLINT, Flag BIT, Tiny TINYINT, "
        "Whole INTEGER, Ratio REAL, Stamp DATETIME, Big BIGINT, Comment LONGVARCHAR)");
    std::string comment(3000, 'a');  // longer than one fetch buffer
    comment += "\xFC";
    // Windows-1252 in the statement travels as UTF-16 and comes back intact.
    Exec(
        "INSERT INTO T VALUES (7, '\xC4pfel \x80', -2, -1, 200, 123456, 2.25, "
        "'2004-03-15 10:20:30', 10000000000, '" +
        comment + "')");
    Exec("INSERT INTO T VALUES (8, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL)");
    CADORecordset rs(db);
    ASSERT_TRUE(rs.Open("SELECT * FROM T ORDER BY Id")) << rs.GetLastErrorString();

    std::string text;
    std::int16_t small = 0;
    std::int32_t whole = 0;
    double real = 0;
    EXPECT_TRUE(rs.GetFieldValue("name", text));
    EXPECT_EQ("\xC4pfel \x80", text);
    EXPECT_TRUE(rs.GetFieldValue("Id", whole));  // a LONG the driver reports as text
    EXPECT_EQ(7, whole);
    EXPECT_TRUE(rs.GetFieldValue("Small", small));
    EXPECT_EQ(-2, small);
    EXPECT_TRUE(rs.GetFieldValue("Flag", small));
    EXPECT_EQ(-1, small);
    EXPECT_TRUE(rs.GetFieldValue("Whole", real));
    EXPECT_EQ(123456.0, real);
    EXPECT_TRUE(rs.GetFieldValue("Ratio", text));
    EXPECT_EQ("2.25", text);
    EXPECT_TRUE(rs.GetFieldValue("Stamp", text));
    EXPECT_EQ("2004-03-15 10:20:30", text);
    EXPECT_TRUE(rs.GetFieldValue("Comment", text));
    EXPECT_EQ(comment, text);
    EXPECT_FALSE(rs.GetFieldValue("Big", whole));  // beyond 32 bits
    EXPECT_TRUE(rs.HasError());

    rs.MoveNext();
    EXPECT_TRUE(rs.GetFieldValue("Name", text));
    EXPECT_TRUE(rs.GetFieldValue("Whole", whole));
    EXPECT_EQ("", text);
    EXPECT_EQ(0, whole);
}

TEST_F(AdoRecordsetTest, FailuresAreRecordedWithTheQuery) {
    CADORecordset rs(db);
    EXPECT_FALSE(rs.Open("SELECT * FROM Missing"));
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_EQ(0u, rs.GetLastErrorString().find("Query = SELECT * FROM Missing\n"));
    EXPECT_THROW(rs.MoveFirst(), CADOException);

    Exec("CREATE TABLE T (Id LONG)");
    Exec("INSERT INTO T VALUES ('abc')");
    ASSERT_TRUE(rs.Open("SELECT * FROM T"));
    std::int32_t id = 0;
    EXPECT_FALSE(rs.GetFieldValue("Nope", id));
    EXPECT_EQ("42S22", rs.GetLastSqlState());
    EXPECT_FALSE(rs.GetFieldValue("Id", id));
    EXPECT_EQ("22018", rs.GetLastSqlState());
    std::string text;
    EXPECT_TRUE(rs.GetFieldValue("Id", text));
    EXPECT_EQ("abc", text);
    EXPECT_FALSE(rs.HasError());
}

}  // namespace
}  // namespace kadenzo
