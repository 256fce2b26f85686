#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <vector>

#include "LegacyImport.h"
#include "LibraryFile.h"
#include "OdbcSandbox.h"

namespace kadenzo {
namespace {

using Lines = std::vector<std::string>;

std::string Hex(std::uint32_t colour) {
    std::ostringstream text;
    text << std::hex << colour;
    return text.str();
}

// One line per item of every list, in list order: its id, its name and every
// field the import fills.
Lines Describe(const CLibrary& library) {
    Lines lines;
    auto add = [&lines](const char* kind, const CLibraryBaseItem& item, auto... fields) {
        std::ostringstream line;
        line << kind << ' ' << item.id << ' ' << item.name;
        ((line << ' ' << fields), ...);
        lines.push_back(line.str());
    };
    for (const auto& c : library.categories) add("category", *c, Hex(c->colour));
    for (const auto& e : library.eventKinds) add("event", *e, Hex(e->colour));
    for (const auto& s : library.sports) add("sport", *s, s->iconId, s->hasDistance, s->active);
    for (const auto& w : library.workoutTemplates) {
        add("template", *w, w->categoryId, w->sportId, w->pulseLow, w->pulseHigh, w->pulseRelative,
            "'" + w->comment + "'");
    }
    for (const auto& i : library.intensities) add("intensity", *i, i->level);
    for (const auto& t : library.tracks) add("track", *t, t->sportId, t->distance, t->climb);
    for (const auto& s : library.subSports) add("subsport", *s, s->sportId);
    return lines;
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
    // Imports from the test's data source into a new library.
    Lines Imported() {
        CLibrary imported;
        EXPECT_TRUE(ImportLegacyDatabase(imported, source, nullptr));
        return Describe(imported);
    }
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
    Exec("INSERT INTO Intensity VALUES (2, 1, 'Leicht'), (3, 5, 'Hart'), (4, -2, 'Regeneration')");
    Exec("INSERT INTO Track VALUES (1, 1, 'Waldrunde', 120.5, 12.3), (2, 2, 'Bahn', 0, 0.4)");
    Exec("INSERT INTO SubSport VALUES (1, 'Rennrad', 1), (2, 'MTB', 1), (3, 'Bahn', 2)");

    // A colour 0 meant "no colour"; yes/no true is -1 in the old database.
    // Templates go by category name, then name; those of an unknown sport or
    // category are dropped, sport 0 ("none") is kept.
    const Lines expected = {"category 1 Ausdauer ff",
                            "category 2 Kraft c0c0c0",
                            "category 3 Zirkel c0c0c0",
                            "event 8 Krank ff00",
                            "event 7 Urlaub c0c0c0",
                            "sport 2 L\xE4ufen 1 1 0",
                            "sport 1 Rad 3 1 1",
                            "sport 5 Schwimmen 7 0 1",
                            "template 13 Intervall 1 2 150 170 0 ''",
                            "template 11 Lang 1 1 120 140 1 'locker'",
                            "template 10 Zirkeltraining 2 0 0 0 0 'ohne Sport'",
                            "intensity 4 Regeneration -2",
                            "intensity 2 Leicht 1",
                            "intensity 3 Hart 5",
                            "track 2 Bahn 2 0.4 0",
                            "track 1 Waldrunde 1 12.3 120.5",
                            "subsport 2 MTB 1",
                            "subsport 1 Rennrad 1",
                            "subsport 3 Bahn 2"};
    CLibrary library;
    ASSERT_TRUE(ImportLegacyDatabase(library, source, nullptr));
    EXPECT_EQ(Describe(library), expected);
    char host[512] = {};
    gethostname(host, sizeof host - 1);
    EXPECT_EQ(host, library.computerName);
    EXPECT_EQ(Imported(), expected);  // the database is left as it was
}

// The database gets them too, so the next import reads the same kinds.
TEST_F(LegacyImportTest, WithoutEventsTableCreatesTheDefaultKindsInLibraryAndDatabase) {
    CreateTables({{"Events", ""}});
    const Lines expected = {"event 0 Familie fbefd0", "event 1 Aktivurlaub f8d0fb",
                            "event 2 Wettkampf-Vorbereitung d1e7fa", "event 3 Dienstreise eaeaea",
                            "event 4 Krank d1fad8"};
    EXPECT_EQ(Imported(), expected);
    // Read back by name.
    EXPECT_EQ(Imported(), (Lines{expected[1], expected[3], expected[0], expected[4], expected[2]}));
}

TEST_F(LegacyImportTest, MissingDataSourceGivesFalseAndAnEmptyLibrary) {
    CLibrary library;
    library.categories.Add(std::make_unique<CLibCategory>());
    std::string error;
    EXPECT_FALSE(ImportLegacyDatabase(library, "NoSuchSource", &error));
    EXPECT_TRUE(library.categories.empty());
    EXPECT_EQ(0u, error.find("Connection String = DSN=NoSuchSource\nCADODataBase Error\n"
                             "\tCode = IM002 00000000\n"));
}

// A table whose query fails is skipped; a column that cannot be read ends its
// table there.
TEST_F(LegacyImportTest, DamagedTablesGiveWhatCouldBeRead) {
    struct Case {
        const char* what;
        std::map<std::string, std::string> changed;
        std::vector<std::string> rows;
        Lines expected;
    };
    const Case cases[] = {
        {"the intensity table lacks the column its query orders by; no sport table",
         {{"Sport", ""}, {"Track", ""}, {"Intensity", "ID LONG, Name VARCHAR(50)"}},
         {"Category VALUES (1, 'Ausdauer', 1)", "Intensity VALUES (1, 'Leicht')",
          "Workout VALUES (10, 1, 0, 'Ohne', 0, 0, 0, ''), (11, 1, 1, 'Rad', 0, 0, 0, '')",
          "SubSport VALUES (1, 'MTB', 1)"},
         {"category 1 Ausdauer 1", "template 10 Ohne 1 0 0 0 0 ''", "subsport 1 MTB 1"}},
        {"a text in a number column; Kraft's template goes with it",
         {},
         {"Category VALUES (1, 'Ausdauer', 0), ('kaputt', 'Bad', 0), (2, 'Kraft', 0)",
          "Events VALUES (7, 'Arzt', 1), (8, 'Beruf', 'rot')", "Sport VALUES (1, 3, 'Rad', -1, -1)",
          "Workout VALUES (10, 1, 1, 'Lang', 0, 0, 0, ''), (11, 2, 1, 'Ha', 0, 0, 0, '')"},
         {"category 1 Ausdauer c0c0c0", "event 7 Arzt 1", "sport 1 Rad 3 1 1",
          "template 10 Lang 1 1 0 0 0 ''"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        source = test::OdbcSandbox::Get().AddDataSource();
        ASSERT_TRUE(db.Open("DSN=" + source)) << db.GetLastErrorString();
        CreateTables(c.changed);
        for (const std::string& row : c.rows) Exec("INSERT INTO " + row);
        EXPECT_EQ(Imported(), c.expected);
    }
}

TEST(LegacyConnectionStringTest, BracesNamesThatWouldBreakTheString) {
    EXPECT_EQ("DSN=KadenzoDB", LegacyConnectionString("KadenzoDB"));
    EXPECT_EQ("DSN={a;DRIVER=x}", LegacyConnectionString("a;DRIVER=x"));
    EXPECT_EQ("DSN={a}}b}", LegacyConnectionString("a}b"));
}

// kadenzo-tool legacy-import, run as its own process; it inherits the
// sandbox's ODBCINI and ODBCSYSINI.
TEST_F(LegacyImportTest, ToolWritesTheImportedLibraryOrNothing) {
    const std::filesystem::path folder = test::OdbcSandbox::Get().Folder();
    auto run = [&folder](const std::string& arguments) {
        const std::string command = std::string(KADENZO_TOOL_PATH) + " legacy-import " + arguments +
                                    " 2>" + (folder / "errors.txt").string();
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    Exec("CREATE TABLE Category (ID LONG, Name VARCHAR(50), Color LONG)");
    Exec("INSERT INTO Category VALUES (41, 'Ausdauer', 0)");
    db.Close();
    const std::filesystem::path out = folder / (source + ".dat");
    ASSERT_EQ(0, run(source + " " + out.string()));
    std::unique_ptr<CLibrary> library = ReadLibraryFile(out.string());
    ASSERT_EQ(1u, library->categories.size());
    EXPECT_EQ(42u, library->categories.idCounter);  // recomputed, not the default 2

    const std::filesystem::path never = folder / "never.dat";
    EXPECT_EQ(1, run("NoSuchSource " + never.string()));
    EXPECT_FALSE(std::filesystem::exists(never));
}

}  // namespace
}  // namespace kadenzo
