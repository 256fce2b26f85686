#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
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

// Runs kadenzo-tool with the arguments; returns its exit status.
int RunTool(const std::string& arguments, const fs::path& out, const fs::path& err) {
    std::string command = std::string("'") + KADENZO_TOOL + "' " + arguments + " >'" +
                          out.string() + "' 2>'" + err.string() + "'";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class LibraryToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("kadenzo-libtool-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

template <class T>
T& AddItem(CLibItemList<T>& list, std::uint32_t id, std::string name) {
    auto item = std::make_unique<T>();
    item->id = id;
    item->name = std::move(name);
    return list.Add(std::move(item));
}

TEST_F(LibraryToolTest, DumpThenLoadWritesTheSameBytes) {
    CLibrary lib;
    lib.computerName = "B\xFCRO";
    AddItem(lib.categories, 3, "Grundlage").colour = 0x00FF8000;
    AddItem(lib.intensities, 4, "hart").level = -7;
    CLibSport& sport = AddItem(lib.sports, 100, "Laufen \x80");
    sport.iconId = 42;
    sport.hasDistance = 1;
    sport.active = 1;
    AddItem(lib.subSports, 3, "Bahn").sportId = 100;
    CLibTrack& track = AddItem(lib.tracks, 7, "Runde");
    track.distance = 0.1f;
    track.climb = 1e-7f;
    track.sportId = kNoId;
    CLibWorkout& tpl = AddItem(lib.workoutTemplates, 0xFFFFFFF0u, "Tempo");
    tpl.comment = "3 x 10'";
    tpl.pulseLow = 150;
    tpl.pulseHigh = 170;
    tpl.pulseRelative = 0;
    AddItem(lib.eventKinds, 0, "Krank");
    lib.RecomputeIdCounters();
    lib.eventKinds.idCounter = 77;

    fs::path original = dir_ / "library.dat";
    fs::path json = dir_ / "library.json";
    fs::path copy = dir_ / "copy.dat";
    SaveLibraryTo(lib, original.string());
    ASSERT_EQ(RunTool("library-dump '" + original.string() + "'", json, dir_ / "err"), 0)
        << ReadAll(dir_ / "err");
    const std::string text = ReadAll(json);
    EXPECT_NE(text.find("\"name\": \"Laufen \xE2\x82\xAC\""), std::string::npos);
    EXPECT_NE(text.find("\"id\": 4294967280"), std::string::npos);
    EXPECT_NE(text.find("\"level\": -7"), std::string::npos);
    EXPECT_NE(text.find("\"sportId\": 4294967295"), std::string::npos);

    ASSERT_EQ(RunTool("library-load '" + json.string() + "' '" + copy.string() + "'", dir_ / "out",
                      dir_ / "err"),
              0)
        << ReadAll(dir_ / "err");
    EXPECT_EQ(ReadAll(copy), ReadAll(original));
}

TEST_F(LibraryToolTest, BadInputFailsWithOneLineAndNoOutputFile) {
    fs::path out = dir_ / "out.dat";
    auto fails = [&](const std::string& json) {
        std::ofstream(dir_ / "in.json") << json;
        EXPECT_NE(
            RunTool("library-load '" + (dir_ / "in.json").string() + "' '" + out.string() + "'",
                    dir_ / "stdout", dir_ / "err"),
            0)
            << json;
        std::string err = ReadAll(dir_ / "err");
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_FALSE(fs::exists(out));
        EXPECT_FALSE(fs::exists(out.string() + ".tmp"));
    };
    fails("{\"computerName\": ");
    fails("[]");
    fails("{\"computerName\": \"\"}");
    fails("{\"computerName\": 5, \"categories\": []}");

    // A damaged library file is reported, not dumped.
    std::ofstream(dir_ / "damaged.dat", std::ios::binary)
        << std::string("\xFF\xFF\x02\x00\x08\x00", 6);
    EXPECT_NE(RunTool("library-dump '" + (dir_ / "damaged.dat").string() + "'", dir_ / "stdout",
                      dir_ / "err"),
              0);
    EXPECT_EQ(ReadAll(dir_ / "stdout"), "");
    EXPECT_NE(RunTool("library-dump", dir_ / "stdout", dir_ / "err"), 0);
}

}  // namespace
}  // namespace kadenzo
