// Finding a watch's activity folder on a volume, and telling of it once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "DeviceFolders.h"
#include "SportTable.h"
#include "TestFolder.h"

namespace kadenzo::test {
namespace {
namespace fs = std::filesystem;

class DeviceFoldersTest : public ::testing::Test {
protected:
    std::string Make(const std::string& folder) {
        fs::create_directories(root / folder);
        return (root / folder).string();
    }
    void Put(const std::string& file, const std::string& bytes) {
        std::ofstream(root / file, std::ios::binary) << bytes;
    }
    TestFolder folder;
    const fs::path root = folder.Path();
};

TEST_F(DeviceFoldersTest, TheActivityFolderAtTheRootOrOneFolderBelowInAnyLetterCase) {
    const std::string mass = Make("GARMIN/Activity");
    const std::string mtp = Make("Internal Storage/Garmin/Activities");
    const std::string lower = Make("card/garmin/ACTIVITY");
    Make("GARMIN/Courses");
    Make("a/b/GARMIN/Activity");            // too deep
    Make("Polar/Activity");                 // another maker's folder
    Put("Garmin", "a file, not a folder");  // beside the folders
    EXPECT_EQ(FindDeviceActivityFolders(root.string()),
              (std::vector<std::string>{mass, mtp, lower}));
    EXPECT_TRUE(FindDeviceActivityFolders((root / "missing").string()).empty());
}

TEST_F(DeviceFoldersTest, AFolderIsToldOfWhenNewAndAgainOnlyAfterItChanged) {
    const std::string folder = Make("GARMIN/Activity");
    FolderChanges changes;
    const std::uint64_t empty = FolderSignature(folder);
    EXPECT_TRUE(changes.Changed(folder, empty));
    EXPECT_FALSE(changes.Changed(folder, FolderSignature(folder)));

    Put("GARMIN/Activity/run.fit", "1234");
    Put("GARMIN/Activity/notes.txt", "not an activity");
    const std::uint64_t one = FolderSignature(folder);
    EXPECT_NE(one, empty);
    EXPECT_TRUE(changes.Changed(folder, one));
    EXPECT_FALSE(changes.Changed(folder, one));

    Put("GARMIN/Activity/run.fit", "12345");  // grew while it was written
    EXPECT_TRUE(changes.Changed(folder, FolderSignature(folder)));
    changes.Forget(folder);
    EXPECT_TRUE(changes.Changed(folder, FolderSignature(folder)));
    EXPECT_THROW(FolderSignature((root / "gone").string()), std::runtime_error);
}

TEST_F(DeviceFoldersTest, ALookTellsOfNewActivitiesOnceAndNotOfThoseInTheDiary) {
    Make("volume/GARMIN/Activity");
    Make("Training-recordings");
    const std::string imports = Make("exports");
    Put("Training-recordings/old.fit", "old activity");
    Put("volume/GARMIN/Activity/old.fit", "old activity");
    DeviceLook look;
    look.volumes = {(root / "volume").string(), (root / "missing").string()};
    look.importFolders = {imports};
    look.recordingPaths = {"Training-recordings/old.fit"};
    look.diaryPath = (root / "Training.kdz").string();

    auto announced = [&] {
        DeviceLookResult result = LookForNewActivities(look);
        look.changes = std::move(result.changes);
        std::vector<std::pair<std::string, std::size_t>> told;
        for (const NewActivities& news : result.announced)
            told.emplace_back(news.folder, news.count);
        EXPECT_EQ(result.present.size(), 2u);
        return told;
    };
    using Told = std::vector<std::pair<std::string, std::size_t>>;
    EXPECT_EQ(announced(), Told{});  // seen, nothing new

    Put("volume/GARMIN/Activity/new.fit", "new activity");
    Put("exports/ride.gpx", "<gpx/>");
    EXPECT_EQ(announced(), (Told{{(root / "volume/GARMIN/Activity").string(), 1}, {imports, 1}}));
    EXPECT_EQ(announced(), Told{});
    Put("volume/GARMIN/Activity/later.fit", "another");
    EXPECT_EQ(announced(), (Told{{(root / "volume/GARMIN/Activity").string(), 2}}));
}

TEST(DeviceVolumeTest, SystemFileSystemsAreNoDevices) {
    for (const char* type : {"vfat", "exfat", "ext2", "fuse.gvfsd-fuse", "fuse.jmtpfs"})
        EXPECT_TRUE(IsDeviceFileSystem(type)) << type;
    for (const char* type : {"proc", "tmpfs", "sysfs", "cgroup2", "overlay"})
        EXPECT_FALSE(IsDeviceFileSystem(type)) << type;
}

TEST(SportEntriesTest, TheTableKeptInTheSettingsReadsBackAsItWas) {
    SportTable table = SportTable::Starter();
    table.Set("Cycling/Gravel_Cycling", 2);
    table.Remove("HIKING");
    table.Remove("not there");
    const std::vector<std::string> texts = SportEntryTexts(table);
    EXPECT_EQ(texts.front(), "cross_country_skiing=5");
    EXPECT_EQ(SportTableFromEntries(texts).Entries(), table.Entries());
    // What does not read is passed over; nothing is an empty table.
    EXPECT_EQ(SportTableFromEntries({"running=1", "=4", "walking", "rowing=x"}).Entries().size(),
              1u);
    EXPECT_TRUE(SportTableFromEntries({}).Entries().empty());
}

}  // namespace
}  // namespace kadenzo::test
