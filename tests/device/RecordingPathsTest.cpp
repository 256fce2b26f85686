// Where a diary's imported recordings lie and how their stored paths are read.
#include <gtest/gtest.h>

#include "RecordingPaths.h"

namespace kadenzo {
namespace {

TEST(RecordingPathsTest, RelativePathsAreTakenFromTheDiarysFolder) {
    const struct {
        const char* stored;  // Windows-1252
        const char* diary;
        const char* opened;  // UTF-8
    } cases[] = {
        {"Training-recordings/run.fit", "/home/anna/Training.kdz",
         "/home/anna/Training-recordings/run.fit"},
        {"Training-recordings/L\xE4ufe.fit", "/home/anna/Training.kdz",
         "/home/anna/Training-recordings/L\xC3\xA4ufe.fit"},
        {"/media/WATCH/run.fit", "/home/anna/Training.kdz", "/media/WATCH/run.fit"},
        {"C:\\Polar\\0401.hrm", "/home/anna/Training.kdz", "C:\\Polar\\0401.hrm"},
        {"run.fit", "Training.kdz", "run.fit"},  // the diary in the current folder
        {"run.fit", "", "run.fit"},
        {"", "/home/anna/Training.kdz", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ResolveRecordingPath(c.stored, c.diary), c.opened);
}

TEST(RecordingPathsTest, AnImportOfTheSameFileKeepsTheStoredPath) {
    const std::string diary = "/home/anna/Training.kdz";
    const struct {
        const char* stored;  // Windows-1252
        const char* taken;   // UTF-8, as the import dialog loaded it
        const char* kept;
    } cases[] = {
        {"Training-recordings/L\xE4ufe.fit", "/home/anna/Training-recordings/L\xC3\xA4ufe.fit",
         "Training-recordings/L\xC3\xA4ufe.fit"},
        {"Training-recordings/run.fit", "/media/WATCH/other.fit", "/media/WATCH/other.fit"},
        {"/media/WATCH/run.fit", "/media/WATCH/run.fit", "/media/WATCH/run.fit"},
        {"", "/media/WATCH/run.fit", "/media/WATCH/run.fit"},
        {"Training-recordings/run.fit", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(PathAfterImport(c.stored, c.taken, diary), c.kept);
}

TEST(RecordingPathsTest, NamesTheStoredPathsCanHold) {
    EXPECT_EQ(RecordingsFolderName("/home/anna/Training.kdz"), "Training-recordings");
    EXPECT_EQ(RecordingsFolderName("/home/anna/Saison 2026.kdz"), "Saison 2026-recordings");
    EXPECT_EQ(StorableFileName("2026-03-04-07-00-00.fit"), "2026-03-04-07-00-00.fit");
    EXPECT_EQ(StorableFileName("L\xC3\xA4ufe \xE2\x82\xAC.fit"), "L\xC3\xA4ufe \xE2\x82\xAC.fit");
    EXPECT_EQ(StorableFileName("\xE8\xB5\xB0\xE3\x82\x8B.fit"), "__.fit");  // no Windows-1252
    EXPECT_EQ(StorableFileName("a\xFF\xC3.fit"), "a__.fit");                // no UTF-8
}

}  // namespace
}  // namespace kadenzo
