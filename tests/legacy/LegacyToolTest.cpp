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

using LegacyToolTest = test::OdbcTest;

TEST_F(LegacyToolTest, WritesTheImportedLibraryOrFailsWithTheConnectionError) {
    test::OdbcSandbox& sandbox = test::OdbcSandbox::Get();
    Exec("CREATE TABLE Category (ID LONG, Name VARCHAR(50), Color LONG)");
    Exec("INSERT INTO Category VALUES (41, 'Ausdauer', 0)");
    db.Close();
    const fs::path out = sandbox.Folder() / (source + ".dat");
    const fs::path errors = sandbox.Folder() / "errors.txt";
    ASSERT_EQ(0, RunTool(source + " " + out.string(), errors));
    std::unique_ptr<CLibrary> library = ReadLibraryFile(out.string());
    ASSERT_EQ(1u, library->categories.size());
    EXPECT_EQ(42u, library->categories.idCounter);  // recomputed, not the default 2
    EXPECT_EQ(5u, library->eventKinds.size());

    const fs::path never = sandbox.Folder() / "never.dat";
    EXPECT_EQ(1, RunTool("NoSuchSource " + never.string(), errors));
    EXPECT_FALSE(fs::exists(never));
    EXPECT_EQ(0u, test::OdbcSandbox::ReadText(errors).find(
                      "kadenzo-tool legacy-import: Connection String = DSN=NoSuchSource\n"));
}

}  // namespace
}  // namespace kadenzo
