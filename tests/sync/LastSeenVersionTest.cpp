// The version last read or written: its copy beside the backups, and the
// check before a save against a real file that a second writer replaced or
// rewrote underneath, with the same size and the same modification time.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "DocumentBackups.h"
#include "DocumentFile.h"
#include "LastSeenVersion.h"
#include "SyncedDiaryFolder.h"
#include "TestFolder.h"

namespace kadenzo::sync {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Filled(char fill, std::size_t size = 100000) {
    return std::vector<std::uint8_t>(size, static_cast<std::uint8_t>(fill));
}

class LastSeenVersion : public test::SyncedDiaryFolder {};

TEST_F(LastSeenVersion, CopyIsKeptApartFromTheRotatingBackups) {
    test::WriteBytes(diary_, Filled('a'));
    const RememberedVersion remembered = RememberVersion(diary_, Filled('a'), backups_);
    EXPECT_EQ(remembered.problem, "");
    EXPECT_EQ(remembered.copyPath, LastSeenCopyPath(diary_, backups_));
    EXPECT_EQ(ReadWholeFile(remembered.copyPath), Filled('a'));
    for (int second = 0; second < 3; ++second)
        EXPECT_EQ(BackUpBeforeSave(diary_, backups_, 1700000000 + second, 1).problem, "");
    const std::string folder = BackupFolderFor(diary_, backups_);
    EXPECT_EQ(ListBackups(folder, BackupDiaryName(diary_)).size(), 1u);
    EXPECT_TRUE(fs::exists(remembered.copyPath));
    EXPECT_EQ(fs::path(remembered.copyPath).parent_path(), fs::path(folder));

    // A copy that cannot be written is reported; the check still works.
    test::WriteBytes((dir_ / "blocked").string(), Filled('x', 1));
    RememberedVersion blocked = RememberVersion(diary_, Filled('a'), (dir_ / "blocked").string());
    EXPECT_EQ(blocked.copyPath, "");
    EXPECT_NE(blocked.problem, "");
    EXPECT_EQ(CheckDisk(diary_, blocked), DiskState::Unchanged);
}

struct SecondWriter {
    const char* what;
    std::function<void(const std::string& path)> write;
    DiskState expected;
};

TEST_F(LastSeenVersion, SecondWriterUnderneath) {
    const SecondWriter writers[] = {
        {"rewrites in place, same size and time",
         [](const std::string& path) {
             const auto before = fs::last_write_time(path);
             const int fd = ::open(path.c_str(), O_WRONLY);
             ASSERT_GE(fd, 0);
             ASSERT_EQ(::pwrite(fd, "b", 1, 5000), 1);
             ::close(fd);
             fs::last_write_time(path, before);
         },
         DiskState::Changed},
        {"replaces by rename, same size and time",
         [](const std::string& path) {
             const auto before = fs::last_write_time(path);
             test::WriteBytes(path + ".new", Filled('b'));
             fs::last_write_time(path + ".new", before);
             ASSERT_EQ(::rename((path + ".new").c_str(), path.c_str()), 0);
         },
         DiskState::Changed},
        {"appends", [](const std::string& path) { std::ofstream(path, std::ios::app) << "more"; },
         DiskState::Changed},
        {"touches only",
         [](const std::string& path) {
             fs::last_write_time(path, fs::file_time_type::clock::now());
         },
         DiskState::Unchanged},
        {"removes", [](const std::string& path) { fs::remove(path); }, DiskState::Missing},
    };
    // Right after a save the stamp is not trusted yet; later it is, and a
    // stat alone must see the writer.
    for (const std::int64_t settle : {kStampSettleNanoseconds, std::int64_t{0}}) {
        for (const SecondWriter& writer : writers) {
            SCOPED_TRACE(std::string(writer.what) + (settle == 0 ? ", stamp settled" : ""));
            test::WriteBytes(diary_, Filled('a'));
            RememberedVersion remembered = RememberVersion(diary_, Filled('a'), backups_, settle);
            ASSERT_TRUE(remembered.stamp.has_value());
            EXPECT_EQ(remembered.stampSettled, settle == 0);
            EXPECT_EQ(CheckDisk(diary_, remembered, settle), DiskState::Unchanged);
            // Past the file system's time stamp step, so that a write shows.
            if (settle == 0) std::this_thread::sleep_for(std::chrono::milliseconds(30));
            writer.write(diary_);
            EXPECT_EQ(CheckDisk(diary_, remembered, settle), writer.expected);
            if (writer.expected == DiskState::Unchanged) {
                EXPECT_EQ(remembered.stamp, StampOf(diary_));  // the next check is a stat
            }
        }
    }
}

// A file that another writer replaced right after this program wrote it
// leaves no stamp to trust.
TEST_F(LastSeenVersion, StampOnlyForTheBytesRemembered) {
    test::WriteBytes(diary_, Filled('b'));
    RememberedVersion remembered = RememberVersion(diary_, Filled('a'), backups_, 0);
    EXPECT_FALSE(remembered.stamp.has_value());
    EXPECT_EQ(CheckDisk(diary_, remembered, 0), DiskState::Changed);
}

}  // namespace
}  // namespace kadenzo::sync
