#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "AppContext.h"
#include "LibraryFile.h"

namespace kadenzo {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::unique_ptr<CLibrary> LibraryNamed(const std::string& computerName) {
    auto lib = std::make_unique<CLibrary>();
    lib->computerName = computerName;
    lib->EnsureBuiltInSport();
    return lib;
}

// Runs each case in a fresh working folder with a separate program folder.
class LibraryFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetApp();
        root_ = fs::temp_directory_path() /
                ("kadenzo-libfile-" +
                 std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "work");
        fs::create_directories(root_ / "program");
        oldCwd_ = fs::current_path();
        fs::current_path(root_ / "work");
        App().programDirectory = (root_ / "program").string() + "/";
    }
    void TearDown() override {
        fs::current_path(oldCwd_);
        fs::remove_all(root_);
        ResetApp();
    }
    fs::path root_;
    fs::path oldCwd_;
};

TEST_F(LibraryFileTest, TheWorkingFolderFileWinsOverTheProgramFolder) {
    EXPECT_EQ(GetLibraryFilePath(), (root_ / "program" / "library.dat").string());

    App().library = LibraryNamed("PROGRAM");
    ASSERT_TRUE(SaveLibraryFile());
    EXPECT_TRUE(fs::exists(root_ / "program" / "library.dat"));
    EXPECT_FALSE(fs::exists("library.dat"));
    App().library.reset();
    ASSERT_TRUE(LoadLibraryFile());
    EXPECT_EQ(App().library->computerName, "PROGRAM");

    SaveLibraryTo(*LibraryNamed("LOCAL"), "library.dat");
    EXPECT_EQ(GetLibraryFilePath(), "./library.dat");
    ASSERT_TRUE(LoadLibraryFile());
    EXPECT_EQ(App().library->computerName, "LOCAL");
}

TEST_F(LibraryFileTest, AFailedLoadKeepsTheCurrentLibrary) {
    App().library = LibraryNamed("CURRENT");
    const CLibrary* current = App().library.get();
    EXPECT_FALSE(LoadLibraryFile());  // no file at all
    EXPECT_EQ(App().library.get(), current);

    const fs::path path = root_ / "program" / "library.dat";
    SaveLibraryTo(*LibraryNamed("DAMAGED"), path.string());
    fs::resize_file(path, fs::file_size(path) - 3);
    EXPECT_FALSE(LoadLibraryFile());
    EXPECT_EQ(App().library.get(), current);
}

TEST_F(LibraryFileTest, AFailedSaveKeepsTheOldFile) {
    EXPECT_FALSE(SaveLibraryFile());  // no current library
    fs::path path = root_ / "program" / "library.dat";
    SaveLibraryTo(*LibraryNamed("OLD"), path.string());
    const std::string old = ReadAll(path);

    // The temporary file cannot be created where a folder of that name stands.
    fs::create_directory(path.string() + ".tmp");
    App().library = LibraryNamed("NEW");
    EXPECT_FALSE(SaveLibraryFile());
    EXPECT_EQ(ReadAll(path), old);

    fs::remove(path.string() + ".tmp");
    EXPECT_TRUE(SaveLibraryFile());
    EXPECT_EQ(ReadLibraryFile(path.string())->computerName, "NEW");
    EXPECT_FALSE(fs::exists(path.string() + ".tmp"));
}

}  // namespace
}  // namespace kadenzo
