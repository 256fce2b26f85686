#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <vector>

#include "AdoRecordset.h"
#include "LegacyImport.h"
#include "OdbcSandbox.h"

namespace kadenzo {
namespace {

template <class List>
std::vector<std::string> Names(const List& list) {
    std::vector<std::string> names;
    for (const auto& item : list) names.push_back(item->name);
    return names;
}

template <class List>
std::vector<std::uint32_t> Ids(const List& list) {
    std::vector<std::uint32_t> ids;
    for (const auto& item : list) ids.push_back(item->id);
    return ids;
}

// An old database built through ODBC with the old column names and the
// Access column types (LONG, SINGLE and COUNTER reach SQLite as text columns,
// SMALLINT and BIT as 16-bit and yes/no columns).
class LegacyImportTest : public test::OdbcTest {
protected:
    // The old tables; `changed` gives a table other columns, or none to leave it out.
    void CreateTables(const std::map<std::string, std::string>& changed = {}) {
        const std::pair<std::string, std::string> tables[] = {
            {"Category", "ID LONG, Name VARCHAR(50), Color LONG"},
            {"Events", "ID COUNTER, Name VARCHAR(50), Color LONG"},
            {"Sport", "ID LONG, IconID LONG, Name VARCHAR(50), Distance BIT, Active BIT"},
            {"Workout",
             "ID LONG, CategoryID LONG, SportID LONG, Name VARCHAR(50), "
             "PulseMin SMALLINT, PulseMax SMALLINT, PulseRelative BIT, Comment LONGVARCHAR"},
            {"Intensity", "ID LONG, Intensity SMALLINT, Name VARCHAR(50)"},
            {"Track", "ID LONG, SportID LONG, Name VARCHAR(50), Uphill REAL, Distance SINGLE"},
            {"SubSport", "ID LONG, Name VARCHAR(50), SportID LONG"}};
        for (const auto& [table, columns] : tables) {
            const auto it = changed.find(table);
            const std::string& used = it == changed.end() ? columns : it->second;
            if (!used.empty()) Exec("CREATE TABLE " + table + " (" + used + ")");
        }
    }
    bool Import(std::string* error = nullptr) {
        return ImportLegacyDatabase(library, source, error);
    }
    std::vector<std::vector<std::string>> Rows(const std::string& query) {
        CADORecordset rs(db);
        EXPECT_TRUE(rs.Open(query)) << rs.GetLastErrorString();
        std::vector<std::vector<std::string>> rows;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::vector<std::string> row;
            for (const char* column : {"ID", "Name", "Color"}) {
                std::string value;
                rs.GetFieldValue(column, value);
                row.push_back(value);
            }
            rows.push_back(row);
        }
        return rows;
    }

    CLibrary library;
};

TEST_F(LegacyImportTest, ImportsEveryTableInTheOrderOfItsQuery) {
    CreateTables();
    Exec("INSERT INTO Category VALUES (3, 'Zirkel', 0), (1, 'Ausdauer', 255), (2, 'Kraft', 0)");
    Exec("INSERT INTO Events VALUES (7, 'Urlaub', 0), (8, 'Krank', 65280)");
    Exec(
        "INSERT INTO Sport VALUES (1, 3, 'Rad', -1, -1), (2, 1, 'L\xE4ufen', -1, 0), "
        "(5, 7, 'Schwimmen', 0, 1)");
    Exec(
        "INSERT INTO Workout VALUES (10, 2, 0, 'Zirkeltraining', 0, 0, 0, 'ohne Sport'), "
        "(11, 1, 1, 'Lang', 120, 140, -1, 'locker'), (12, 1, 9, 'Bergauf', 1, 2, -1, 'x'), "
        "(13, 1, 2, 'Intervall', 150, 170, 0, NULL), (14, 99, 1, 'Verwaist', 1, 2, 0, 'y')");
    Exec(
        "INSERT INTO Intensity VALUES (1, 3, 'Mittel'), (2, 1, 'Leicht'), (3, 5, 'Hart'), "
        "(4, -2, 'Regeneration')");
    Exec("INSERT INTO Track VALUES (1, 1, 'Waldrunde', 120.5, 12.3), (2, 2, 'Bahn', 0, 0.4)");
    Exec(
        "INSERT INTO SubSport VALUES (1, 'Rennrad', 1), (2, 'MTB', 1), (3, 'Bahn', 2), "
        "(4, 'Crawl', 5)");

    ASSERT_TRUE(Import());

    EXPECT_EQ((std::vector<std::string>{"Ausdauer", "Kraft", "Zirkel"}), Names(library.categories));
    EXPECT_EQ(255u, library.categories[0].colour);
    EXPECT_EQ(0xC0C0C0u, library.categories[1].colour);  // 0 meant "no colour"
    EXPECT_EQ((std::vector<std::uint32_t>{8, 7}), Ids(library.eventKinds));
    EXPECT_EQ(0xC0C0C0u, library.eventKinds[1].colour);

    EXPECT_EQ((std::vector<std::string>{"L\xE4ufen", "Rad", "Schwimmen"}), Names(library.sports));
    const CLibSport& rad = library.sports[1];
    EXPECT_EQ(3u, rad.iconId);
    EXPECT_EQ(1u, rad.hasDistance);  // yes/no true is -1 in the old database
    EXPECT_EQ(1u, rad.active);
    EXPECT_EQ(0u, library.sports[0].active);
    EXPECT_EQ(0u, library.sports[2].hasDistance);

    // By category name, then name; unknown sport and unknown category dropped,
    // sport 0 ("none") kept.
    EXPECT_EQ((std::vector<std::uint32_t>{13, 11, 10}), Ids(library.workoutTemplates));
    const CLibWorkout& intervall = library.workoutTemplates[0];
    EXPECT_EQ("", intervall.comment);  // refilled after the dropped row, not left over
    EXPECT_EQ(170u, intervall.pulseHigh);
    EXPECT_EQ(0u, intervall.pulseRelative);
    EXPECT_EQ(1u, library.workoutTemplates[1].pulseRelative);

    EXPECT_EQ((std::vector<std::string>{"Regeneration", "Leicht", "Mittel", "Hart"}),
              Names(library.intensities));
    EXPECT_EQ(-2, library.intensities[0].level);
    EXPECT_EQ((std::vector<std::string>{"Bahn", "Waldrunde"}), Names(library.tracks));
    EXPECT_FLOAT_EQ(12.3f, library.tracks[1].distance);
    EXPECT_FLOAT_EQ(120.5f, library.tracks[1].climb);
    EXPECT_EQ((std::vector<std::string>{"MTB", "Rennrad", "Bahn", "Crawl"}),
              Names(library.subSports));

    char host[512] = {};
    gethostname(host, sizeof host - 1);
    EXPECT_EQ(host, library.computerName);
    EXPECT_EQ(2u, Rows("SELECT * FROM Events").size());  // nothing added
}

TEST_F(LegacyImportTest, WithoutEventsTableCreatesTheDefaultKindsInLibraryAndDatabase) {
    CreateTables({{"Events", ""}});
    Exec("INSERT INTO Category VALUES (1, 'Ausdauer', 255)");
    ASSERT_TRUE(Import());

    EXPECT_EQ((std::vector<std::string>{"Familie", "Aktivurlaub", "Wettkampf-Vorbereitung",
                                        "Dienstreise", "Krank"}),
              Names(library.eventKinds));
    EXPECT_EQ((std::vector<std::uint32_t>{0, 1, 2, 3, 4}), Ids(library.eventKinds));
    EXPECT_EQ(0xFBEFD0u, library.eventKinds[0].colour);

    const auto rows = Rows("SELECT * FROM Events ORDER BY ID");
    ASSERT_EQ(5u, rows.size());
    EXPECT_EQ((std::vector<std::string>{"0", "Familie", "16510928"}), rows[0]);
    EXPECT_EQ((std::vector<std::string>{"4", "Krank", "13761240"}), rows[4]);
}

TEST_F(LegacyImportTest, DefaultKindsAlsoWhenTheDatabaseRefusesTheNewTable) {
    CreateTables({{"Events", ""}});
    // An index already holds the name: the query and every statement fail.
    Exec("CREATE INDEX Events ON Category (ID)");
    ASSERT_TRUE(Import());
    EXPECT_EQ((std::vector<std::uint32_t>{0, 1, 2, 3, 4}), Ids(library.eventKinds));
}

TEST_F(LegacyImportTest, MissingDataSourceGivesFalseAndAnEmptyLibrary) {
    library.categories.Add(std::make_unique<CLibCategory>());
    library.computerName = "old";
    std::string error;
    EXPECT_FALSE(ImportLegacyDatabase(library, "NoSuchSource", &error));
    EXPECT_TRUE(library.categories.empty());
    EXPECT_EQ(0u, error.find("Connection String = DSN=NoSuchSource\n"));
}

TEST_F(LegacyImportTest, TablesWhoseQueryFailsAreSkipped) {
    // The intensity table lacks the column its query orders by.
    CreateTables({{"Sport", ""}, {"Track", ""}, {"Intensity", "ID LONG, Name VARCHAR(50)"}});
    Exec("INSERT INTO Category VALUES (1, 'Ausdauer', 1)");
    Exec("INSERT INTO Intensity VALUES (1, 'Leicht')");
    Exec(
        "INSERT INTO Workout VALUES (10, 1, 0, 'Ohne', 0, 0, 0, ''), (11, 1, 1, 'Rad', 0, 0, 0, "
        "'')");
    Exec("INSERT INTO SubSport VALUES (1, 'MTB', 1)");

    ASSERT_TRUE(Import());
    EXPECT_EQ(1u, library.categories.size());
    EXPECT_EQ((std::vector<std::uint32_t>{10}), Ids(library.workoutTemplates));  // no Sport table
    EXPECT_TRUE(library.intensities.empty());
    EXPECT_EQ(1u, library.subSports.size());
    EXPECT_TRUE(library.eventKinds.empty());  // the table exists, it is only empty
}

TEST_F(LegacyImportTest, FailingColumnReadEndsOnlyThatTable) {
    CreateTables();
    Exec("INSERT INTO Category VALUES (1, 'Ausdauer', 0), ('kaputt', 'Bad', 0), (2, 'Kraft', 0)");
    Exec("INSERT INTO Events VALUES (7, 'Arzt', 1), (8, 'Beruf', 'rot')");
    Exec("INSERT INTO Sport VALUES (1, 3, 'Rad', -1, -1)");
    Exec(
        "INSERT INTO Workout VALUES (10, 1, 1, 'Lang', 0, 0, 0, ''), (11, 2, 1, 'Ha', 0, 0, 0, "
        "'')");

    ASSERT_TRUE(Import());
    EXPECT_EQ((std::vector<std::string>{"Ausdauer"}), Names(library.categories));
    // The event table was read, so no default kinds either.
    EXPECT_EQ((std::vector<std::string>{"Arzt"}), Names(library.eventKinds));
    // "Kraft" is in the database but not in the library: its template goes.
    EXPECT_EQ((std::vector<std::uint32_t>{10}), Ids(library.workoutTemplates));
}

TEST_F(LegacyImportTest, IntegerColumnsOfAnotherTypeReadAsZero) {
    CreateTables({{"Events", ""},
                  {"Sport", ""},
                  {"Track", ""},
                  {"SubSport", ""},
                  {"Workout",
                   "ID LONG, CategoryID LONG, SportID LONG, Name VARCHAR(50), "
                   "PulseMin INTEGER, PulseMax LONG, PulseRelative BIT, Comment LONGVARCHAR"}});
    Exec("INSERT INTO Category VALUES (1, 'Ausdauer', 1)");
    Exec("INSERT INTO Workout VALUES (10, 1, 0, 'Lang', 120, 140, 1, 'x')");
    Exec("INSERT INTO Intensity VALUES (1, 70000, 'Zu hoch')");
    ASSERT_TRUE(Import());
    ASSERT_EQ(1u, library.workoutTemplates.size());
    EXPECT_EQ(0u, library.workoutTemplates[0].pulseLow);
    EXPECT_EQ(0u, library.workoutTemplates[0].pulseHigh);
    EXPECT_EQ(4464, library.intensities[0].level);  // sign-extended from 16 bits
}

TEST(LegacyConnectionStringTest, BracesNamesThatWouldBreakTheString) {
    EXPECT_EQ("DSN=KadenzoDB", LegacyConnectionString("KadenzoDB"));
    EXPECT_EQ("DSN={a;DRIVER=x}", LegacyConnectionString("a;DRIVER=x"));
    EXPECT_EQ("DSN={a}}b}", LegacyConnectionString("a}b"));
}

}  // namespace
}  // namespace kadenzo
