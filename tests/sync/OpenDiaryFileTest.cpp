// The open diary's file as the program sees it: what the check finds after
// another writer, after a merge the user may undo, and with the file gone;
// and the base a merge starts from.
#include <gtest/gtest.h>

#include <filesystem>

#include "OpenDiaryFile.h"
#include "SyncedDiaryFolder.h"
#include "TestFolder.h"

namespace kadenzo::sync {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Content(char fill, std::size_t size = 5000) {
    return std::vector<std::uint8_t>(size, static_cast<std::uint8_t>(fill));
}

class OpenDiaryFileTest : public test::SyncedDiaryFolder {};

// Stamps settle at once here, so that every check after the first is the
// cheap one that could hide a write if it were wrong. The versions differ in
// size: a file system's coarse clock may give two writes one time stamp.
TEST_F(OpenDiaryFileTest, ChecksSeeEveryOtherWriterAndNoMergedVersionTwice) {
    OpenDiaryFile file(diary_, backups_, 0);
    const auto read = Content('r');
    test::WriteBytes(diary_, read);
    file.Remember(read);
    EXPECT_EQ(file.Check(0), DiskNews::Nothing);

    const auto theirs = Content('t', 5001);
    test::WriteBytes(diary_, theirs);
    EXPECT_EQ(file.Check(0), DiskNews::Changed);
    EXPECT_EQ(file.Check(0), DiskNews::Changed);  // the same news again
    EXPECT_EQ(file.Read(), theirs);

    // Merged in: nothing new while the diary holds that merge (its mark);
    // with the merge undone (another mark) the file is news again.
    file.Merged(theirs);
    const std::uint64_t mark = VersionHash(theirs);
    EXPECT_EQ(file.Check(mark), DiskNews::Nothing);
    EXPECT_EQ(file.Check(0), DiskNews::Changed);
    EXPECT_EQ(file.Check(mark), DiskNews::Nothing);
    // The base stays what was read until a save.
    ASSERT_TRUE(file.Base());
    EXPECT_EQ(*file.Base(), read);

    const auto later = Content('l', 5002);
    test::WriteBytes(diary_, later);
    EXPECT_EQ(file.Check(mark), DiskNews::Changed);
    fs::remove(diary_);
    EXPECT_EQ(file.Check(mark), DiskNews::Missing);
    test::WriteBytes(diary_, read);
    EXPECT_EQ(file.Check(mark), DiskNews::Nothing);

    // A save remembers anew and forgets the merge.
    test::WriteBytes(diary_, later);
    file.Remember(later);
    EXPECT_EQ(file.Check(0), DiskNews::Nothing);
    EXPECT_EQ(*file.Base(), later);
}

TEST_F(OpenDiaryFileTest, ABaseIsOnlyWhatTheCopyStillHolds) {
    const auto read = Content('r');
    test::WriteBytes(diary_, read);
    OpenDiaryFile file(diary_, backups_);
    file.Remember(read);
    ASSERT_EQ(file.Base(), read);
    // Someone wrote into the copy: no base is better than a wrong one.
    test::WriteBytes(file.Remembered().copyPath, Content('x'));
    EXPECT_FALSE(file.Base());
    fs::remove(file.Remembered().copyPath);
    EXPECT_FALSE(file.Base());

    // Without a backups folder nothing is written anywhere, not even into
    // the current folder.
    const fs::path current = fs::current_path();
    fs::current_path(dir_);
    OpenDiaryFile bare(diary_, "");
    bare.Remember(read);
    fs::current_path(current);
    EXPECT_TRUE(bare.Remembered().copyPath.empty());
    EXPECT_TRUE(bare.Remembered().problem.empty());
    EXPECT_FALSE(bare.Base());
    EXPECT_EQ(bare.Check(0), DiskNews::Nothing);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace kadenzo::sync
