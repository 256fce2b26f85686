#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

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
    lib->EnsureBuiltInSport("Other");
    return lib;
}

// Runs each case in a fresh working folder with a separate program folder.
class LibraryFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("kadenzo-libfile-" +
                 std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "work");
        fs::create_directories(root_ / "program");
        oldCwd_ = fs::current_path();
        fs::current_path(root_ / "work");
        programDirectory_ = (root_ / "program").string() + "/";
    }
    void TearDown() override {
        fs::current_path(oldCwd_);
        fs::remove_all(root_);
    }
    std::string Path() const { return GetLibraryFilePath(programDirectory_); }

    fs::path root_;
    fs::path oldCwd_;
    std::string programDirectory_;
};

TEST_F(LibraryFileTest, TheWorkingFolderFileWinsOverTheProgramFolder) {
    EXPECT_EQ(Path(), (root_ / "program" / "library.dat").string());

    ASSERT_TRUE(SaveLibraryFile(*LibraryNamed("PROGRAM"), Path()));
    EXPECT_TRUE(fs::exists(root_ / "program" / "library.dat"));
    EXPECT_FALSE(fs::exists("library.dat"));
    std::unique_ptr<CLibrary> loaded = LoadLibraryFile(Path());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->computerName, "PROGRAM");

    SaveLibraryTo(*LibraryNamed("LOCAL"), "library.dat");
    EXPECT_EQ(Path(), "./library.dat");
    loaded = LoadLibraryFile(Path());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->computerName, "LOCAL");
}

TEST_F(LibraryFileTest, MissingAndDamagedFilesLoadNothing) {
    EXPECT_FALSE(LoadLibraryFile(Path()));  // no file at all
    SaveLibraryTo(*LibraryNamed("DAMAGED"), Path());
    fs::resize_file(Path(), fs::file_size(Path()) - 3);
    EXPECT_FALSE(LoadLibraryFile(Path()));
}

TEST_F(LibraryFileTest, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    const std::string path = Path();
    SaveLibraryTo(*LibraryNamed("OLD"), path);
    const std::string old = ReadAll(path);

    // The temporary file cannot be created where a folder of that name stands.
    fs::create_directory(path + ".tmp");
    std::string error;
    EXPECT_FALSE(SaveLibraryFile(*LibraryNamed("NEW"), path, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadAll(path), old);

    fs::remove(path + ".tmp");
    EXPECT_TRUE(SaveLibraryFile(*LibraryNamed("NEW"), path));
    EXPECT_EQ(ReadLibraryFile(path)->computerName, "NEW");
    EXPECT_FALSE(fs::exists(path + ".tmp"));
}

}  // namespace
}  // namespace kadenzo
