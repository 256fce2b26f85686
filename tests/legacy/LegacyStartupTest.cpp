#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "AdoDataBase.h"
#include "AppContext.h"
#include "LegacyCleanup.h"
#include "LegacyStartup.h"
#include "LibraryFile.h"
#include "OdbcSandbox.h"

namespace kadenzo {
namespace {

namespace fs = std::filesystem;

// A program folder holding the old database files, an odbc.ini naming the
// data source, and a working folder without a library.dat of its own.
class LegacyStartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetApp();
        test::OdbcSandbox& sandbox = test::OdbcSandbox::Get();
        source = sandbox.AddDataSource();
        other = sandbox.AddDataSource();
        programFolder = sandbox.Folder() / (source + "-program");
        workFolder = sandbox.Folder() / (source + "-work");
        fs::create_directories(programFolder);
        fs::create_directories(workFolder);
        for (const char* name : {"database.mdb", "database_be.mdb", "keep.mdb"})
            std::ofstream(programFolder / name) << "old";
        App().programDirectory = programFolder.string() + "/";
        previousFolder = fs::current_path();
        fs::current_path(workFolder);

        CADODataBase db;
        ASSERT_TRUE(db.Open("DSN=" + source)) << db.GetLastErrorString();
        ASSERT_TRUE(db.Execute("CREATE TABLE Category (ID LONG, Name VARCHAR(50), Color LONG)"));
        ASSERT_TRUE(db.Execute("INSERT INTO Category VALUES (7, 'Ausdauer', 255)"));
    }
    void TearDown() override {
        fs::current_path(previousFolder);
        ResetApp();
    }

    bool UserIniNames(const std::string& name) const {
        const std::string text = test::OdbcSandbox::ReadText(test::OdbcSandbox::Get().UserIni());
        return text.find("[" + name + "]") != std::string::npos ||
               text.find(name + "=SQLite3") != std::string::npos;
    }

    std::string source, other;
    fs::path programFolder, workFolder, previousFolder;
};

TEST_F(LegacyStartupTest, ImportSavesTheLibraryAndRemovesTheOldDatabase) {
    ASSERT_TRUE(ImportLibraryAtStartUp(source));
    ASSERT_NE(nullptr, App().library);
    std::unique_ptr<CLibrary> saved = ReadLibraryFile((programFolder / "library.dat").string());
    EXPECT_EQ(App().library->Fingerprint(), saved->Fingerprint());
    EXPECT_EQ(8u, saved->categories.idCounter);  // recomputed: 7 + 1

    EXPECT_FALSE(UserIniNames(source));
    EXPECT_TRUE(UserIniNames(other));
    CADODataBase stillThere;  // the rewritten odbc.ini still serves the others
    EXPECT_TRUE(stillThere.Open("DSN=" + other)) << stillThere.GetLastErrorString();
    EXPECT_FALSE(fs::exists(programFolder / "database.mdb"));
    EXPECT_FALSE(fs::exists(programFolder / "database_be.mdb"));
    EXPECT_TRUE(fs::exists(programFolder / "keep.mdb"));
}

TEST_F(LegacyStartupTest, FailedImportLeavesNoLibraryAndTouchesNothing) {
    EXPECT_FALSE(ImportLibraryAtStartUp("NoSuchSource"));
    EXPECT_EQ(nullptr, App().library);
    EXPECT_FALSE(fs::exists(programFolder / "library.dat"));
    EXPECT_TRUE(UserIniNames(source));
    EXPECT_TRUE(fs::exists(programFolder / "database.mdb"));
}

TEST_F(LegacyStartupTest, FailedSaveKeepsTheOldDatabaseForTheNextStart) {
    fs::create_directories(programFolder / "library.dat");  // cannot be written as a file
    ASSERT_TRUE(ImportLibraryAtStartUp(source));
    EXPECT_EQ(1u, App().library->categories.size());
    EXPECT_TRUE(UserIniNames(source));
    EXPECT_TRUE(fs::exists(programFolder / "database.mdb"));
    EXPECT_TRUE(fs::exists(programFolder / "database_be.mdb"));
}

TEST_F(LegacyStartupTest, CleanUpLeavesSystemDataSourcesAndUnknownFoldersAlone) {
    const fs::path systemIni = test::OdbcSandbox::Get().SystemIni();
    const std::string systemText =
        "[ODBC Data Sources]\n" + source + "=SQLite3\n\n[" + source + "]\nDriver=SQLite3\n";
    std::ofstream(systemIni) << systemText;
    App().programDirectory.clear();
    RemoveLegacyDatabase(source);
    EXPECT_FALSE(UserIniNames(source));
    EXPECT_EQ(systemText, test::OdbcSandbox::ReadText(systemIni));
    EXPECT_TRUE(fs::exists(programFolder / "database.mdb"));
    fs::remove(systemIni);

    RemoveLegacyDatabase(source);  // a second time: nothing left to remove, no harm
    EXPECT_TRUE(UserIniNames(other));
}

}  // namespace
}  // namespace kadenzo
