#include <gtest/gtest.h>

#include "AppContext.h"
#include "Library.h"
#include "LibraryFile.h"

namespace kadenzo {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes SaveToBytes(const CLibrary& library) {
    MemoryStream stream;
    CArchive ar(stream, CArchive::Mode::Store);
    ar.WriteObject(&library);
    ar.Close();
    return stream.TakeBytes();
}

std::unique_ptr<CLibrary> LoadFromBytes(Bytes bytes) {
    MemoryStream stream(std::move(bytes));
    return ReadLibraryStream(stream);
}

void Append(Bytes& b, std::initializer_list<int> values) {
    for (int v : values) b.push_back(static_cast<std::uint8_t>(v));
}
void AppendText(Bytes& b, std::string_view s) { b.insert(b.end(), s.begin(), s.end()); }
void AppendDword(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void AppendClassTag(Bytes& b, int schema, std::string_view name) {
    Append(b, {0xFF, 0xFF, schema, 0, static_cast<int>(name.size()), 0});
    AppendText(b, name);
}

template <class T>
T& AddItem(CLibItemList<T>& list, std::uint32_t id, std::string name) {
    auto item = std::make_unique<T>();
    item->id = id;
    item->name = std::move(name);
    return list.Add(std::move(item));
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
    run.active = 1;
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
    Bytes expected;
    AppendClassTag(expected, 2, "CLibrary");
    Append(expected, {0x00});
    for (int i = 0; i < 7; ++i) Append(expected, {0, 0});
    for (int i = 0; i < 7; ++i) AppendDword(expected, 2);
    EXPECT_EQ(expected.size(), 57u);
    EXPECT_EQ(SaveToBytes(empty), expected);
}

TEST(Library, ItemsOfOneClassShareTheirDescriptor) {
    CLibrary lib;
    AddItem(lib.categories, 3, "A").colour = 1;
    AddItem(lib.categories, 4, "B").colour = 2;
    Bytes expected;
    AppendClassTag(expected, 2, "CLibrary");  // class 1, library object 2
    Append(expected, {0x00, 0x02, 0x00});
    AppendClassTag(expected, 0, "CLibCategory");  // class 3, first category 4
    AppendDword(expected, 3);
    Append(expected, {1, 'A'});
    AppendDword(expected, 1);
    Append(expected, {0x03, 0x80});
    AppendDword(expected, 4);
    Append(expected, {1, 'B'});
    AppendDword(expected, 2);
    Bytes bytes = SaveToBytes(lib);
    ASSERT_GE(bytes.size(), expected.size());
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(expected.size())),
              expected);
}

TEST(Library, EveryFieldSurvivesARoundTripAndSavesIdentically) {
    auto original = SampleLibrary();
    Bytes bytes = SaveToBytes(*original);
    auto loaded = LoadFromBytes(bytes);
    EXPECT_EQ(SaveToBytes(*loaded), bytes);

    EXPECT_EQ(loaded->computerName, "TRAININGS-PC");
    EXPECT_EQ(loaded->categories[0].colour, 0x00FF8000u);
    EXPECT_EQ(loaded->intensities[0].level, -2);
    EXPECT_EQ(loaded->sports[0].active, 1u);
    EXPECT_EQ(loaded->sports[0].colour, kDefaultSportColour);
    EXPECT_EQ(loaded->tracks[0].distance, 12.345f);
    EXPECT_EQ(loaded->tracks.idCounter, 40u);
    EXPECT_EQ(loaded->workoutTemplates[0].comment, "ruhig");
    EXPECT_EQ(loaded->eventKinds.idCounter, 2u);

    auto copy = original->Clone();
    EXPECT_EQ(SaveToBytes(*copy), bytes);
}

TEST(Library, SchemaZeroHasNoEventKindsNorCountersAndSportsReadInactive) {
    Bytes b;
    AppendClassTag(b, 0, "CLibrary");
    Append(b, {0x00});  // computer name
    Append(b, {0, 0});  // categories
    Append(b, {0, 0});  // intensities
    Append(b, {1, 0});  // one sport, class schema 0: no active flag
    AppendClassTag(b, 0, "CLibSport");
    AppendDword(b, 100);
    Append(b, {3, 'R', 'a', 'd'});
    AppendDword(b, 42);
    AppendDword(b, 1);
    Append(b, {0, 0, 0, 0, 0, 0});  // sub-sports, tracks, templates
    auto lib = LoadFromBytes(b);
    ASSERT_EQ(lib->sports.size(), 1u);
    EXPECT_EQ(lib->sports[0].name, "Rad");
    EXPECT_EQ(lib->sports[0].active, 0u);
    EXPECT_EQ(lib->sports[0].hasDistance, 1u);
    EXPECT_TRUE(lib->eventKinds.empty());
    EXPECT_EQ(lib->sports.idCounter, 101u);
    EXPECT_EQ(lib->categories.idCounter, 2u);

    // A raw library (old document files) reads the same way.
    Bytes raw(b.begin() + 14, b.end());
    MemoryStream stream(raw);
    CArchive ar(stream, CArchive::Mode::Load);
    CLibrary rawLib;
    ar.SerializeRaw(rawLib);
    EXPECT_EQ(rawLib.sports[0].active, 0u);
    EXPECT_EQ(ar.Remaining(), 0u);
}

TEST(Library, SchemaOneReadsEventKindsButRecomputesCounters) {
    auto lib = SampleLibrary();
    Bytes b = SaveToBytes(*lib);
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
    // A null element in a list, and a sport where categories belong.
    Bytes nullItem;
    AppendClassTag(nullItem, 2, "CLibrary");
    Append(nullItem, {0, 1, 0, 0, 0});
    EXPECT_THROW(LoadFromBytes(nullItem), ArchiveError);
    Bytes wrongClass;
    AppendClassTag(wrongClass, 2, "CLibrary");
    Append(wrongClass, {0, 1, 0});
    AppendClassTag(wrongClass, 1, "CLibSport");
    for (int i = 0; i < 20; ++i) Append(wrongClass, {0});
    EXPECT_THROW(LoadFromBytes(wrongClass), ArchiveError);
    // The file must hold a library, not a null object.
    EXPECT_THROW(LoadFromBytes(Bytes{0, 0}), ArchiveError);
}

TEST(Library, IdCountersFollowTheLargestIdAndNewItemsTakeTheNext) {
    CLibrary lib;
    for (std::uint32_t id = 0; id <= 4; ++id) AddItem(lib.eventKinds, id, "e");
    AddItem(lib.categories, 0, "only zero");
    AddItem(lib.tracks, 0x90000000u, "unsigned");
    AddItem(lib.tracks, 5, "small");
    lib.RecomputeIdCounters();
    EXPECT_EQ(lib.eventKinds.idCounter, 5u);
    EXPECT_EQ(lib.categories.idCounter, 2u);
    EXPECT_EQ(lib.tracks.idCounter, 0x90000001u);
    EXPECT_EQ(lib.intensities.idCounter, 2u);
    EXPECT_EQ(lib.intensities.AddNew().id, 3u);
    EXPECT_EQ(lib.intensities.idCounter, 3u);

    // A stale counter (hand-edited JSON) and a wrapped one never hand out an id in use.
    lib.eventKinds.idCounter = 2;
    EXPECT_EQ(lib.eventKinds.AddNew().id, 5u);
    lib.categories.idCounter = 0xFFFFFFFEu;
    EXPECT_EQ(lib.categories.AddNew().id, 1u);  // skips -1 ("none"), 0 and nothing else
}

TEST(Library, FingerprintUsesIdsAndSignedNameCharactersOnly) {
    CLibrary lib;
    AddItem(lib.categories, 3, "ab");  // 1 x 'b' = 98
    EXPECT_EQ(lib.Fingerprint(), 294);
    AddItem(lib.eventKinds, 1000, "x");  // one character adds nothing
    EXPECT_EQ(lib.Fingerprint(), 294);
    AddItem(lib.sports, 2, "a\xFC");  // 0xFC counts as -4
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

class TestTexts : public StringTable {
public:
    std::string Text(std::uint32_t id) const override { return id == 33109 ? "Sonstiges" : ""; }
};

TEST(Library, LookupsAndTheBuiltInSportUseTheCurrentLibrary) {
    ResetApp();
    EXPECT_EQ(FindSport(100), nullptr);
    EXPECT_EQ(GetSportName(100), "???");

    TestTexts texts;
    App().strings = &texts;
    App().library = SampleLibrary();
    App().library->EnsureBuiltInSport();
    App().library->EnsureBuiltInSport();
    ASSERT_EQ(App().library->sports.size(), 2u);
    const CLibSport* builtIn = FindSport(100);
    ASSERT_NE(builtIn, nullptr);
    EXPECT_EQ(builtIn->name, "Sonstiges");
    EXPECT_EQ(builtIn->iconId, 42u);
    EXPECT_EQ(builtIn->hasDistance, 1u);
    EXPECT_EQ(builtIn->active, 1u);

    EXPECT_EQ(GetCategoryName(4), "Wettkampf");
    EXPECT_EQ(GetCategoryName(5), "???");
    EXPECT_EQ(GetWorkoutName(9), "Lockerer Lauf \xE4");
    EXPECT_EQ(GetTrackName(kNoId), "???");
    EXPECT_NE(FindEvent(0), nullptr);

    App().library->RemoveAll();
    EXPECT_EQ(GetSportName(100), "???");
    EXPECT_EQ(App().library->tracks.idCounter, 40u);
    ResetApp();
}

}  // namespace
}  // namespace kadenzo
