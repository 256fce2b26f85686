#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "DocumentBackups.h"

namespace kadenzo {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kNoon = 1709294400;  // 1 March 2024 12:00:00 UTC

class DocumentBackupsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* zone = std::getenv("TZ")) oldZone_ = zone;
        setenv("TZ", "UTC", 1);
        tzset();
        root_ = fs::temp_directory_path() /
                ("kadenzo-backups-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_);
        folder_ = (root_ / "backups").string();
    }
    void TearDown() override {
        fs::remove_all(root_);
        oldZone_.empty() ? unsetenv("TZ") : setenv("TZ", oldZone_.c_str(), 1);
        tzset();
    }
    std::string Document(const std::string& name, const std::string& content) {
        std::string path = (root_ / name).string();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    static std::string Content(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::vector<std::string> Names(const std::string& diary) const {
        std::vector<std::string> names;
        for (const std::string& copy : ListBackups(folder_, diary))
            names.push_back(fs::path(copy).filename().string());
        return names;
    }

    fs::path root_;
    std::string folder_;
    std::string oldZone_;
};

TEST_F(DocumentBackupsTest, KeepsTheNewestCopiesOfEachSave) {
    const std::string diary = Document("Training.kdz", "");
    for (int save = 0; save < 5; ++save) {
        std::ofstream(diary, std::ios::binary) << "version " << save;
        BackupResult result = BackUpBeforeSave(diary, folder_, kNoon + save * 3600, 3);
        EXPECT_EQ(result.problem, "");
        EXPECT_EQ(Content(result.copy), "version " + std::to_string(save));
    }
    EXPECT_EQ(Names("Training"), (std::vector<std::string>{"Training-20240301-140000.kdz",
                                                           "Training-20240301-150000.kdz",
                                                           "Training-20240301-160000.kdz"}));
    EXPECT_EQ(Content(diary), "version 4");
}

TEST_F(DocumentBackupsTest, SavesInTheSameSecondGetTheirOwnCopies) {
    const std::string diary = Document("Training.kdz", "x");
    for (int i = 0; i < 3; ++i) BackUpBeforeSave(diary, folder_, kNoon, 2);
    // The third copy of that second pushes out the first, not the counted ones.
    EXPECT_EQ(Names("Training"), (std::vector<std::string>{"Training-20240301-120000-2.kdz",
                                                           "Training-20240301-120000-3.kdz"}));
    // A clock set back: the copy just made stays although it is the oldest.
    BackupResult earlier = BackUpBeforeSave(diary, folder_, kNoon - 86400, 2);
    EXPECT_TRUE(fs::exists(earlier.copy));
    EXPECT_EQ(ListBackups(folder_, "Training").size(), 2u);
}

TEST_F(DocumentBackupsTest, NothingIsCopiedWhenOffOrNothingIsThere) {
    const std::string diary = Document("Training.kdz", "x");
    BackupResult off = BackUpBeforeSave(diary, folder_, kNoon, 0);
    EXPECT_EQ(off.copy, "");
    EXPECT_EQ(off.problem, "");
    EXPECT_FALSE(fs::exists(folder_));

    BackupResult first = BackUpBeforeSave((root_ / "New.kdz").string(), folder_, kNoon);
    EXPECT_EQ(first.copy, "");
    EXPECT_EQ(first.problem, "");
}

TEST_F(DocumentBackupsTest, AnUnwritableFolderIsReportedAndTheDocumentKept) {
    const std::string diary = Document("Training.kdz", "precious");
    const std::string blocked = Document("not-a-folder", "") + "/backups";
    BackupResult result = BackUpBeforeSave(diary, blocked, kNoon);
    EXPECT_EQ(result.copy, "");
    EXPECT_TRUE(result.problem.starts_with("backup failed: cannot create the folder"))
        << result.problem;
    EXPECT_EQ(Content(diary), "precious");
}

TEST_F(DocumentBackupsTest, DiaryNamesWithOddCharacters) {
    const std::pair<std::string, std::string> cases[] = {
        {"/home/a/Mein Tagebuch \xC3\xA4.kdz", "Mein Tagebuch \xC3\xA4"},
        {"/home/a/plan.KDZ", "plan"},
        {"/home/a/what?*:<>|\\\".kdz", "what________"},
        {"/home/a/.hidden.kdz", "_hidden"},
        {"/home/a/archive.tar", "archive.tar"},
        {"/home/a/.kdz", "diary"},
        {"/home/a/" + std::string(199, 'x') + "\xC3\xA4z.kdz", std::string(199, 'x')},
    };
    for (const auto& [path, expected] : cases) EXPECT_EQ(BackupDiaryName(path), expected) << path;

    const std::string odd = Document("Lauf: 5 \xC3\xA4 *.kdz", "odd");
    BackupResult result = BackUpBeforeSave(odd, folder_, kNoon);
    EXPECT_EQ(result.problem, "");
    EXPECT_EQ(Names("Lauf_ 5 \xC3\xA4 _"),
              std::vector<std::string>{"Lauf_ 5 \xC3\xA4 _-20240301-120000.kdz"});
}

TEST_F(DocumentBackupsTest, DiariesSharingTheFolderKeepTheirOwnCopies) {
    // Names chosen so that one's copies begin like the other's.
    const std::string run = Document("run.kdz", "run");
    const std::string dated = Document("run-20240301-120000.kdz", "dated");
    const std::string numbered = Document("run-2.kdz", "numbered");
    for (int save = 0; save < 3; ++save) {
        for (const std::string& diary : {run, dated, numbered})
            EXPECT_EQ(BackUpBeforeSave(diary, folder_, kNoon + save, 2).problem, "");
    }
    for (const char* diary : {"run", "run-20240301-120000", "run-2"})
        EXPECT_EQ(ListBackups(folder_, diary).size(), 2u) << diary;
    EXPECT_EQ(Content(ListBackups(folder_, "run").back()), "run");
}

}  // namespace
}  // namespace kadenzo
