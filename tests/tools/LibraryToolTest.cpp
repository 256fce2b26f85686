#include "LibraryFile.h"
#include "ToolRunner.h"

namespace kadenzo {
namespace {

using test::AddItem;
using LibraryToolTest = test::ToolTest;

TEST_F(LibraryToolTest, DumpThenLoadWritesTheSameBytes) {
    CLibrary lib;
    lib.computerName = "B\xFCRO";
    AddItem(lib.categories, 3, "Grundlage").colour = 0x00FF8000;
    AddItem(lib.intensities, 4, "hart").level = -7;
    CLibSport& sport = AddItem(lib.sports, 100, "Laufen \x80");
    sport.hasDistance = 1;
    sport.active = 1;
    CLibTrack& track = AddItem(lib.tracks, 7, "Runde");
    track.distance = 0.1f;
    track.climb = 1e-7f;
    track.sportId = kNoId;
    CLibWorkout& tpl = AddItem(lib.workoutTemplates, 0xFFFFFFF0u, "Tempo");
    tpl.comment = "3 x 10'";
    tpl.pulseRelative = 0;
    AddItem(lib.eventKinds, 0, "Krank");
    lib.RecomputeIdCounters();
    lib.eventKinds.idCounter = 77;

    SaveLibraryTo(lib, Path("library.dat"));
    ASSERT_EQ(Run("library-dump '" + Path("library.dat") + "'"), 0) << err_;
    EXPECT_NE(out_.find("\"name\": \"Laufen \xE2\x82\xAC\""), std::string::npos);
    EXPECT_NE(out_.find("\"id\": 4294967280"), std::string::npos);
    EXPECT_NE(out_.find("\"level\": -7"), std::string::npos);
    EXPECT_NE(out_.find("\"sportId\": 4294967295"), std::string::npos);
    Write("library.json", out_);
    ASSERT_EQ(Run("library-load '" + Path("library.json") + "' '" + Path("copy.dat") + "'"), 0)
        << err_;
    EXPECT_EQ(test::ReadText(Path("copy.dat")), test::ReadText(Path("library.dat")));
}

TEST_F(LibraryToolTest, BadInputFailsWithOneLineAndNoOutputFile) {
    for (const char* json : {"{\"computerName\": ", "[]", "{\"computerName\": \"\"}",
                             "{\"computerName\": 5, \"categories\": []}"}) {
        Write("in.json", json);
        EXPECT_NE(Run("library-load '" + Path("in.json") + "' '" + Path("out.dat") + "'"), 0)
            << json;
        EXPECT_EQ(ErrorLines(), 1) << err_;
        EXPECT_FALSE(std::filesystem::exists(Path("out.dat")));
        EXPECT_FALSE(std::filesystem::exists(Path("out.dat.tmp")));
    }
    // A damaged library file is reported, not dumped.
    Write("damaged.dat", std::string("\xFF\xFF\x02\x00\x08\x00", 6));
    EXPECT_NE(Run("library-dump '" + Path("damaged.dat") + "'"), 0);
    EXPECT_EQ(out_, "");
    EXPECT_NE(Run("library-dump"), 0);
}

}  // namespace
}  // namespace kadenzo
