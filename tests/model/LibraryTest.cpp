#include <gtest/gtest.h>

#include <filesystem>

#include "Library.h"
#include "LibraryFile.h"
#include "LogFixtures.h"
#include "StreamBytes.h"
#include "TestFolder.h"

namespace kadenzo {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using test::AddItem;
using test::StreamBytes;

Bytes SaveToBytes(const CLibrary& library) {
    return test::Stored([&](CArchive& ar) { ar.WriteObject(&library); });
}

std::unique_ptr<CLibrary> LoadFromBytes(Bytes bytes) {
    MemoryStream stream(std::move(bytes));
    return ReadLibraryStream(stream);
}

// A library with at least one item in every list and every field set.
std::unique_ptr<CLibrary> SampleLibrary() {
    auto lib = std::make_unique<CLibrary>();
    lib->computerName = "TRAININGS-PC";
    AddItem(lib->categories, 3, "Grundlage").colour = 0x00FF8000;
    AddItem(lib->categories, 4, "Wettkampf");
    AddItem(lib->intensities, 3, "leicht").level = -2;
    CLibSport& run = AddItem(lib->sports, 7, "Laufen");
    run.iconId = 5;
    run.hasDistance = 1;
    AddItem(lib->sports, 8, "Schwimmen").active = 1;
    AddItem(lib->subSports, 3, "Intervalle").sportId = 7;
    CLibTrack& track = AddItem(lib->tracks, 3, "Seerunde");
    track.distance = 12.345f;
    track.climb = 80.5f;
    track.sportId = 7;
    CLibWorkout& tpl = AddItem(lib->workoutTemplates, 9, "Lockerer Lauf \xE4");
    tpl.categoryId = 3;
    tpl.sportId = 7;
    tpl.comment = "ruhig";
    tpl.pulseLow = 60;
    tpl.pulseHigh = 75;
    tpl.pulseRelative = 1;
    AddItem(lib->eventKinds, 0, "Krank").colour = 0x000000FF;
    lib->RecomputeIdCounters();
    lib->tracks.idCounter = 40;  // counters are stored, not recomputed
    return lib;
}

TEST(Library, EmptyLibraryFileIs57Bytes) {
    CLibrary empty;
    empty.RecomputeIdCounters();
    StreamBytes expected;
    expected.ClassTag(2, "CLibrary").String("");
    for (int i = 0; i < 7; ++i) expected.Word(0);
    for (int i = 0; i < 7; ++i) expected.Dword(2);
    ASSERT_EQ(expected.bytes.size(), 57u);
    EXPECT_EQ(SaveToBytes(empty), expected.bytes);
}

TEST(Library, EveryFieldSurvivesARoundTripAndSavesIdentically) {
    auto original = SampleLibrary();
    Bytes bytes = SaveToBytes(*original);
    auto loaded = LoadFromBytes(bytes);
    EXPECT_EQ(SaveToBytes(*loaded), bytes);
    EXPECT_EQ(SaveToBytes(*original->Clone()), bytes);
    EXPECT_EQ(loaded->intensities[0].level, -2);
    EXPECT_EQ(loaded->sports[0].colour, kDefaultSportColour);  // not stored
    EXPECT_EQ(loaded->tracks.idCounter, 40u);
    EXPECT_EQ(loaded->workoutTemplates[0].comment, "ruhig");
}

TEST(Library, SchemaZeroHasNoEventKindsNorCountersAndSportsReadInactive) {
    StreamBytes b;
    b.ClassTag(0, "CLibrary").String("").Word(0).Word(0);  // name, categories, intensities
    b.Word(1).ClassTag(0, "CLibSport").Dword(100).String("Rad").Dword(42).Dword(1);
    b.Word(0).Word(0).Word(0);  // sub-sports, tracks, templates
    auto lib = LoadFromBytes(b.bytes);
    ASSERT_EQ(lib->sports.size(), 1u);
    EXPECT_EQ(lib->sports[0].name, "Rad");
    EXPECT_EQ(lib->sports[0].active, 0u);
    EXPECT_EQ(lib->sports[0].hasDistance, 1u);
    EXPECT_TRUE(lib->eventKinds.empty());
    EXPECT_EQ(lib->sports.idCounter, 101u);
}

TEST(Library, SchemaOneReadsEventKindsButRecomputesCounters) {
    Bytes b = SaveToBytes(*SampleLibrary());
    b[2] = 1;                 // library schema 1
    b.resize(b.size() - 28);  // no counters
    auto loaded = LoadFromBytes(b);
    EXPECT_EQ(loaded->eventKinds.size(), 1u);
    EXPECT_EQ(loaded->tracks.idCounter, 4u);
}

TEST(Library, TruncatedOrDamagedStreamsAreArchiveErrors) {
    Bytes b = SaveToBytes(*SampleLibrary());
    for (std::size_t n = 0; n < b.size(); ++n)
        EXPECT_THROW(LoadFromBytes(Bytes(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(n))),
                     ArchiveError)
            << n;
    // A null element in a list, a sport where categories belong, a null library.
    EXPECT_THROW(
        LoadFromBytes(StreamBytes().ClassTag(2, "CLibrary").String("").Word(1).Word(0).bytes),
        ArchiveError);
    StreamBytes wrongClass;
    wrongClass.ClassTag(2, "CLibrary").String("").Word(1).ClassTag(1, "CLibSport");
    wrongClass.Raw(std::string(20, '\0'));
    EXPECT_THROW(LoadFromBytes(wrongClass.bytes), ArchiveError);
    EXPECT_THROW(LoadFromBytes(Bytes{0, 0}), ArchiveError);
}

TEST(Library, IdCountersNeverHandOutAnIdInUse) {
    CLibrary lib;
    for (std::uint32_t id = 0; id <= 4; ++id) AddItem(lib.eventKinds, id, "e");
    AddItem(lib.tracks, 0x90000000u, "unsigned");
    lib.RecomputeIdCounters();
    EXPECT_EQ(lib.eventKinds.idCounter, 5u);
    EXPECT_EQ(lib.tracks.idCounter, 0x90000001u);
    EXPECT_EQ(lib.intensities.AddNew().id, 3u);  // an empty list starts at 2, hands out 3

    // A stale counter (hand-edited JSON) and a wrapped one never hand out an id in use.
    lib.eventKinds.idCounter = 2;
    EXPECT_EQ(lib.eventKinds.AddNew().id, 5u);
    AddItem(lib.categories, 0, "zero");
    lib.categories.idCounter = 0xFFFFFFFEu;
    EXPECT_EQ(lib.categories.AddNew().id, 1u);  // skips -1 ("none") and 0
}

TEST(Library, FingerprintUsesIdsAndSignedNameCharactersOnly) {
    CLibrary lib;
    AddItem(lib.categories, 3, "ab");    // 3 x (1 x 'b') = 294
    AddItem(lib.eventKinds, 1000, "x");  // one character adds nothing
    AddItem(lib.sports, 2, "a\xFC");     // 0xFC counts as -4
    EXPECT_EQ(lib.Fingerprint(), 294 - 8);

    auto other = lib.Clone();
    other->categories[0].colour = 0x123456;
    EXPECT_EQ(other->Fingerprint(), lib.Fingerprint());
    other->categories[0].name = "ba";
    EXPECT_NE(other->Fingerprint(), lib.Fingerprint());

    CLibrary wrap;
    AddItem(wrap.tracks, 0x40000000u, "a\x7F\x7F");  // h = 127 + 254 = 381, product wraps
    EXPECT_EQ(wrap.Fingerprint(), static_cast<std::int32_t>(0x40000000u * 381u));
}

TEST(Library, LookupsAndTheBuiltInSport) {
    std::unique_ptr<CLibrary> library = SampleLibrary();
    library->EnsureBuiltInSport("Sonstiges");
    library->EnsureBuiltInSport("Other");
    ASSERT_EQ(library->sports.size(), 3u);
    const CLibSport* builtIn = library->FindSport(100);
    ASSERT_NE(builtIn, nullptr);
    EXPECT_EQ(builtIn->name, "Sonstiges");
    EXPECT_EQ(builtIn->iconId, 42u);
    EXPECT_EQ(library->GetCategoryName(4), "Wettkampf");
    EXPECT_EQ(library->GetTrackName(kNoId), "???");

    library->RemoveAll();
    EXPECT_EQ(library->GetSportName(100), "???");
    EXPECT_EQ(library->tracks.idCounter, 40u);
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
        fs::create_directories(root_ / "work");
        fs::create_directories(root_ / "program");
        fs::current_path(root_ / "work");
    }
    void TearDown() override { fs::current_path(oldCwd_); }
    std::string Path() const { return GetLibraryFilePath(programDirectory_); }

    test::TestFolder folder_;
    const fs::path root_ = folder_.Path();
    const fs::path oldCwd_ = fs::current_path();
    const std::string programDirectory_ = (root_ / "program").string() + "/";
};

TEST_F(LibraryFileTest, TheWorkingFolderFileWinsAndAFailedSaveKeepsIt) {
    EXPECT_EQ(Path(), (root_ / "program" / "library.dat").string());
    EXPECT_FALSE(LoadLibraryFile(Path()));  // no file at all
    ASSERT_TRUE(SaveLibraryFile(*LibraryNamed("PROGRAM"), Path()));
    EXPECT_FALSE(fs::exists("library.dat"));
    EXPECT_EQ(LoadLibraryFile(Path())->computerName, "PROGRAM");

    SaveLibraryTo(*LibraryNamed("LOCAL"), "library.dat");
    EXPECT_EQ(Path(), "./library.dat");
    // The temporary file cannot be created where a folder of that name stands.
    fs::create_directory("library.dat.tmp");
    std::string error;
    EXPECT_FALSE(SaveLibraryFile(*LibraryNamed("NEW"), Path(), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(LoadLibraryFile(Path())->computerName, "LOCAL");
    fs::resize_file(Path(), fs::file_size(Path()) - 3);
    EXPECT_FALSE(LoadLibraryFile(Path()));  // damaged
}

}  // namespace
}  // namespace kadenzo
