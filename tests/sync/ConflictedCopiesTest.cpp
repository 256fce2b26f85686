// Conflicted copies known by their names, only those of this diary, and a
// merged copy moved into the backups, never deleted.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ConflictedCopies.h"
#include "DocumentBackups.h"
#include "TestFolder.h"

namespace kadenzo::sync {
namespace {

namespace fs = std::filesystem;

struct Name {
    const char* diary;
    const char* file;
    std::optional<SyncProgram> program;
};

TEST(ConflictedCopies, RecognisedByName) {
    const Name names[] = {
        {"Training.kdz", "Training.sync-conflict-20240301-101500-ABCDEF7.kdz",
         SyncProgram::Syncthing},
        {"Training.kdz", "Training.sync-conflict-20240301-101500-ABCDEF7.KDZ",
         SyncProgram::Syncthing},
        {"Training.kdz", "Training (Anna's conflicted copy 2024-03-01).kdz", SyncProgram::Dropbox},
        {"Training.kdz", "Training (Anna's conflicted copy 2024-03-01 (1)).kdz",
         SyncProgram::Dropbox},
        {"Training.kdz", "Training (conflicted copy 2024-03-01 101500).kdz",
         SyncProgram::Nextcloud},
        {"Training.kdz", "Training_conflict-20240301-101500.kdz", SyncProgram::Nextcloud},
        {"Training (old).kdz", "Training (old) (conflicted copy 2024-03-01 101500).kdz",
         SyncProgram::Nextcloud},
        // Look-alikes.
        {"Training.kdz", "Training.kdz", std::nullopt},
        {"Training.kdz", "Training 2.sync-conflict-20240301-101500-ABCDEF7.kdz", std::nullopt},
        {"Training.kdz", "Training (old) (conflicted copy 2024-03-01 101500).kdz", std::nullopt},
        {"Training.kdz", "Training2_conflict-20240301-101500.kdz", std::nullopt},
        {"Training.kdz", "Training.sync-conflict-2024031-101500-ABCDEF7.kdz", std::nullopt},
        {"Training.kdz", "Training.sync-conflict-20240301-101500-.kdz", std::nullopt},
        {"Training.kdz", "Training.sync-conflict-20240301-101500-ABCDEF7.kdz.tmp", std::nullopt},
        {"Training.kdz", "Training (copy).kdz", std::nullopt},
        {"Training.kdz", "Training-20240301-101500.kdz", std::nullopt},
        {"Training.kdz", "Training_conflict-20240301-1015.kdz", std::nullopt},
    };
    for (const Name& name : names) {
        SCOPED_TRACE(std::string(name.diary) + " / " + name.file);
        EXPECT_EQ(RecogniseConflictedCopy(name.diary, name.file), name.program);
    }
}

class CopiesFolder : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir_ / "sync");
        for (const char* name :
             {"Training.kdz", "Training.sync-conflict-20240301-101500-ABCDEF7.kdz",
              "Training (conflicted copy 2024-03-01 101500).kdz", "Training 2.kdz",
              "Training 2 (conflicted copy 2024-03-01 101500).kdz"})
            std::ofstream(dir_ / "sync" / name) << name;
        fs::create_directories(dir_ / "sync" / "Training_conflict-20240301-101500.kdz");
    }
    test::TestFolder folder_;
    const fs::path dir_ = folder_.Path();
    const std::string diary_ = (dir_ / "sync" / "Training.kdz").string();
};

TEST_F(CopiesFolder, FindsOnlyThisDiarysCopies) {
    const std::vector<ConflictedCopy> copies = FindConflictedCopies(diary_);
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(fs::path(copies[0].path).filename(),
              "Training (conflicted copy 2024-03-01 101500).kdz");
    EXPECT_EQ(copies[0].program, SyncProgram::Nextcloud);
    EXPECT_EQ(fs::path(copies[1].path).filename(),
              "Training.sync-conflict-20240301-101500-ABCDEF7.kdz");
    EXPECT_EQ(copies[1].program, SyncProgram::Syncthing);
}

TEST_F(CopiesFolder, MergedCopyMovesIntoTheBackups) {
    const std::string backups = (dir_ / "backups").string();
    const std::string copy = FindConflictedCopies(diary_).at(1).path;
    const std::string moved = MoveMergedCopy(copy, diary_, backups);
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_EQ(fs::path(moved).parent_path(), fs::path(BackupFolderFor(diary_, backups)));
    EXPECT_EQ(fs::path(moved).filename(),
              "Training.sync-conflict-20240301-101500-ABCDEF7.merged.kdz");
    std::ifstream in(moved);
    std::string content;
    std::getline(in, content);
    EXPECT_EQ(content, "Training.sync-conflict-20240301-101500-ABCDEF7.kdz");

    // Another copy of the same name does not replace the first.
    std::ofstream(copy) << "again";
    const std::string second = MoveMergedCopy(copy, diary_, backups);
    EXPECT_EQ(fs::path(second).filename(),
              "Training.sync-conflict-20240301-101500-ABCDEF7.merged-2.kdz");
    EXPECT_TRUE(fs::exists(moved));
    // Rotation never takes them for backups of the diary.
    EXPECT_TRUE(ListBackups(BackupFolderFor(diary_, backups), BackupDiaryName(diary_)).empty());
    EXPECT_EQ(FindConflictedCopies(diary_).size(), 1u);

    EXPECT_THROW(MoveMergedCopy(copy, diary_, backups), std::runtime_error);  // gone already
}

}  // namespace
}  // namespace kadenzo::sync
