#include <gtest/gtest.h>

#include <fstream>

#include "AdoDataBase.h"
#include "LegacyCleanup.h"
#include "OdbcSandbox.h"

namespace kadenzo {
namespace {

namespace fs = std::filesystem;

// A program folder holding the old database files and an odbc.ini naming the
// data source, as after an import whose library was saved.
class LegacyCleanupTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::OdbcSandbox& sandbox = test::OdbcSandbox::Get();
        source = sandbox.AddDataSource();
        other = sandbox.AddDataSource();
        programFolder = sandbox.Folder() / (source + "-program");
        fs::create_directories(programFolder);
        for (const char* name : {"database.mdb", "database_be.mdb", "keep.mdb"})
            std::ofstream(programFolder / name) << "old";
    }

    bool UserIniNames(const std::string& name) const {
        const std::string text = test::OdbcSandbox::ReadText(test::OdbcSandbox::Get().UserIni());
        return text.find("[" + name + "]") != std::string::npos ||
               text.find(name + "=SQLite3") != std::string::npos;
    }

    std::string source, other;
    fs::path programFolder;
};

// A system data source of the same name and the files of an unknown program
// folder stay; the user's entry and the old files go, and the rewritten
// odbc.ini still serves the other sources.
TEST_F(LegacyCleanupTest, RemovesTheUserDataSourceAndTheOldFilesOnly) {
    const fs::path systemIni = test::OdbcSandbox::Get().SystemIni();
    const std::string systemText =
        "[ODBC Data Sources]\n" + source + "=SQLite3\n\n[" + source + "]\nDriver=SQLite3\n";
    std::ofstream(systemIni) << systemText;
    RemoveLegacyDatabase(source, "");
    EXPECT_FALSE(UserIniNames(source));
    EXPECT_EQ(systemText, test::OdbcSandbox::ReadText(systemIni));
    EXPECT_TRUE(fs::exists(programFolder / "database.mdb"));
    fs::remove(systemIni);

    RemoveLegacyDatabase(source, programFolder.string() + "/");  // a second time: no harm
    CADODataBase stillThere;
    EXPECT_TRUE(stillThere.Open("DSN=" + other)) << stillThere.GetLastErrorString();
    EXPECT_FALSE(fs::exists(programFolder / "database.mdb"));
    EXPECT_FALSE(fs::exists(programFolder / "database_be.mdb"));
    EXPECT_TRUE(fs::exists(programFolder / "keep.mdb"));
}

}  // namespace
}  // namespace kadenzo
