// kadenzo-tool legacy-import, run as its own process against the sandbox's
// data sources (the child inherits ODBCINI and ODBCSYSINI).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "AdoDataBase.h"
#include "LibraryFile.h"
#include "OdbcSandbox.h"

namespace kadenzo {
namespace {

namespace fs = std::filesystem;

int RunTool(const std::string& arguments, const fs::path& errors) {
    const std::string command =
        std::string(KADENZO_TOOL_PATH) + " legacy-import " + arguments + " 2>" + errors.string();
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(LegacyToolTest, WritesTheImportedLibraryWithRecomputedCounters) {
    test::OdbcSandbox& sandbox = test::OdbcSandbox::Get();
    const std::string source = sandbox.AddDataSource();
    {
        CADODataBase db;
        ASSERT_TRUE(db.Open("DSN=" + source)) << db.GetLastErrorString();
        ASSERT_TRUE(db.Execute("CREATE TABLE Category (ID LONG, Name VARCHAR(50), Color LONG)"));
        ASSERT_TRUE(db.Execute("INSERT INTO Category VALUES (41, 'Ausdauer', 0)"));
    }
    const fs::path out = sandbox.Folder() / (source + ".dat");
    ASSERT_EQ(0, RunTool(source + " " + out.string(), sandbox.Folder() / "errors.txt"));
    std::unique_ptr<CLibrary> library = ReadLibraryFile(out.string());
    ASSERT_EQ(1u, library->categories.size());
    EXPECT_EQ(0xC0C0C0u, library->categories[0].colour);
    EXPECT_EQ(42u, library->categories.idCounter);
    EXPECT_EQ(5u, library->eventKinds.size());
    EXPECT_EQ(2u, library->sports.idCounter);
}

TEST(LegacyToolTest, MissingDataSourceFailsWithTheConnectionError) {
    test::OdbcSandbox& sandbox = test::OdbcSandbox::Get();
    const fs::path out = sandbox.Folder() / "never.dat";
    const fs::path errors = sandbox.Folder() / "errors.txt";
    EXPECT_EQ(1, RunTool("NoSuchSource " + out.string(), errors));
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(0u, test::OdbcSandbox::ReadText(errors).find(
                      "kadenzo-tool legacy-import: Connection String = DSN=NoSuchSource\n"
                      "CADODataBase Error\n\tCode = IM002"));
}

}  // namespace
}  // namespace kadenzo
