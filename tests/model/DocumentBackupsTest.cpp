#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "DocumentBackups.h"
#include "TestFolder.h"

namespace kadenzo {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kNoon = 1709294400;  // 1 March 2024 12:00:00 UTC

class DocumentBackupsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* zone = std::getenv("TZ")) zone_ = zone;
        setenv("TZ", "UTC", 1);  // the stamps are local time
        tzset();
    }
    void TearDown() override {
        zone_ ? setenv("TZ", zone_->c_str(), 1) : unsetenv("TZ");
        tzset();
    }
    std::string Document(const std::string& name, const std::string& content) {
        std::ofstream((root_ / name).string(), std::ios::binary) << content;
        return (root_ / name).string();
    }
    static std::string Content(const std::string& path) {
        std::ostringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        return text.str();
    }
    // The copies of the diaries in root_.
    std::string Own() const { return BackupFolderFor((root_ / "any.kdz").string(), folder_); }
    std::vector<std::string> Names(const std::string& diary) const {
        std::vector<std::string> names;
        for (const std::string& copy : ListBackups(Own(), diary))
            names.push_back(fs::path(copy).filename().string());
        return names;
    }

    test::TestFolder testFolder_;
    const fs::path root_ = testFolder_.Path();
    std::string folder_ = (root_ / "backups").string();
    std::optional<std::string> zone_;
};

TEST_F(DocumentBackupsTest, KeepsTheNewestCopies) {
    const std::string diary = Document("Training.kdz", "");
    for (int save = 0; save < 4; ++save) {
        std::ofstream(diary, std::ios::binary) << "version " << save;
        BackupResult result = BackUpBeforeSave(diary, folder_, kNoon + save * 3600, 2);
        EXPECT_EQ(result.problem, "");
        EXPECT_EQ(Content(result.copy), "version " + std::to_string(save));
    }
    EXPECT_EQ(Names("Training"), (std::vector<std::string>{"Training-20240301-140000.kdz",
                                                           "Training-20240301-150000.kdz"}));
    // Saves in one second get their own copies, ordered by their counter.
    for (int i = 0; i < 2; ++i) BackUpBeforeSave(diary, folder_, kNoon + 4 * 3600, 2);
    EXPECT_EQ(Names("Training"), (std::vector<std::string>{"Training-20240301-160000.kdz",
                                                           "Training-20240301-160000-2.kdz"}));
    // A clock set back: the copy just made stays although it sorts first.
    EXPECT_TRUE(fs::exists(BackUpBeforeSave(diary, folder_, kNoon, 2).copy));
}

TEST_F(DocumentBackupsTest, NoCopyWhenOffNothingToCopyOrTheFolderIsBlocked) {
    const std::string diary = Document("Training.kdz", "precious");
    EXPECT_EQ(BackUpBeforeSave(diary, folder_, kNoon, 0).copy, "");
    EXPECT_FALSE(fs::exists(folder_));
    BackupResult first = BackUpBeforeSave((root_ / "New.kdz").string(), folder_, kNoon);
    EXPECT_EQ(first.copy + first.problem, "");

    const std::string blocked = Document("a-file", "") + "/backups";
    BackupResult failed = BackUpBeforeSave(diary, blocked, kNoon);
    EXPECT_EQ(failed.copy, "");
    EXPECT_TRUE(failed.problem.starts_with("backup failed: cannot create the folder"))
        << failed.problem;
    EXPECT_EQ(Content(diary), "precious");
}

TEST_F(DocumentBackupsTest, DiaryNamesWithOddCharacters) {
    const std::pair<std::string, std::string> cases[] = {
        {"/a/Mein Tagebuch \xC3\xA4.KDZ", "Mein Tagebuch \xC3\xA4"},
        {"/a/what?*:<>|\\\".kdz", "what________"},
        {"/a/.hidden.kdz", "_hidden"},
        {"/a/.kdz", "diary"},
        {"/a/" + std::string(199, 'x') + "\xC3\xA4z.kdz", std::string(199, 'x')},  // whole letters
    };
    for (const auto& [path, expected] : cases) EXPECT_EQ(BackupDiaryName(path), expected) << path;

    BackupResult result = BackUpBeforeSave(Document("Lauf: 5 *.kdz", "odd"), folder_, kNoon);
    EXPECT_EQ(result.problem, "");
    EXPECT_EQ(Names("Lauf_ 5 _"), std::vector<std::string>{"Lauf_ 5 _-20240301-120000.kdz"});
}

// Diaries whose names begin like another's (chosen to look like its copies),
// and diaries of one name in different folders, keep series of their own.
TEST_F(DocumentBackupsTest, EachDiaryKeepsItsOwnSeries) {
    for (const char* athlete : {"anna", "ben"}) fs::create_directories(root_ / athlete);
    const std::string diaries[] = {
        Document("run.kdz", "run"), Document("run-20240301-120000.kdz", "dated"),
        Document("run-2.kdz", "numbered"), Document("anna/run.kdz", "anna"),
        Document("ben/run.kdz", "ben")};
    for (int save = 0; save < 3; ++save) {
        for (const std::string& diary : diaries)
            EXPECT_EQ(BackUpBeforeSave(diary, folder_, kNoon + save, 2).problem, "");
    }
    for (const std::string& diary : diaries) {
        const std::vector<std::string> copies =
            ListBackups(BackupFolderFor(diary, folder_), fs::path(diary).stem().string());
        ASSERT_EQ(copies.size(), 2u) << diary;
        EXPECT_EQ(Content(copies.back()), Content(diary));
    }
    EXPECT_EQ(BackupFolderFor(diaries[3], folder_), folder_ + (root_ / "anna").string());
    // A relative path names the same diary and so the same series.
    EXPECT_EQ(BackupFolderFor(root_.string() + "/anna/../anna/run.kdz", folder_),
              BackupFolderFor(diaries[3], folder_));
}

}  // namespace
}  // namespace kadenzo
