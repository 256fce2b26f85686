#include <gtest/gtest.h>

#include <limits>

#include "Database.h"
#include "Library.h"
#include "LibraryEditing.h"
#include "LogFixtures.h"

namespace kadenzo {
namespace {

using test::AddItem;

CWorkOut& AddWorkout(CDatabase& log, std::uint32_t sportId, double duration) {
    auto workout = std::make_unique<CWorkOut>();
    workout->sportId = sportId;
    workout->duration = duration;
    return **log.AddWorkout(std::move(workout));
}

// Each case gets a small library and log; the other lists stay empty.
class LibraryEditingTest : public ::testing::Test {
protected:
    void SetUp() override {
        AddItem(lib.categories, 3, "Grundlage");
        AddItem(lib.categories, 4, "Frei");
        AddItem(lib.sports, 100, "Sonstiges");
        AddItem(lib.sports, 101, "Laufen").active = 1;
        AddItem(lib.workoutTemplates, 5, "Dauerlauf").categoryId = 3;
        AddItem(lib.intensities, 3, "leicht");
        AddItem(lib.subSports, 3, "Bahn").sportId = 101;
        AddItem(lib.tracks, 3, "Runde").distance = 10;
        AddItem(lib.eventKinds, 7, "Krank");
        AddItem(lib.eventKinds, 8, "Reise");
        lib.RecomputeIdCounters();
    }

    std::vector<CellValue> Row(const LibraryListModel& model, std::size_t row) {
        std::vector<CellValue> cells;
        for (std::size_t c = 0; c < model.Columns().size(); ++c)
            cells.push_back(model.GetCell(row, c));
        return cells;
    }

    CLibrary lib;
    CDatabase log;
    UnitSettings units;
};

TEST_F(LibraryEditingTest, ValidationNamesTheFirstMissingValue) {
    auto templates = MakeListModel(LibraryList::Templates, lib, &log, units);
    std::vector<CellValue> cells = Row(*templates, 0);
    EXPECT_EQ(templates->Validate(cells), 0u);
    cells[1].value = kNoId;
    EXPECT_EQ(templates->Validate(cells), 33045u);
    cells[0].text.clear();
    EXPECT_EQ(templates->Validate(cells), 33044u);

    auto subSports = MakeListModel(LibraryList::SubSports, lib, &log, units);
    cells = Row(*subSports, 0);
    cells[1].value = kNoId;
    EXPECT_EQ(subSports->Validate(cells), 33046u);

    auto tracks = MakeListModel(LibraryList::Tracks, lib, &log, units);
    cells = Row(*tracks, 0);
    cells[0].text.clear();
    cells[2].number = 12.5;  // a distance does not make up for the name
    EXPECT_EQ(tracks->Validate(cells), 33044u);
}

TEST_F(LibraryEditingTest, ItemsStillReferredToCannotBeDeleted) {
    CWorkOut& workout = AddWorkout(log, 101, 60);
    workout.templateId = 5;
    workout.intensityId = 3;
    workout.subSportId = 3;
    workout.trackId = 3;
    auto event = std::make_unique<CEvent>();
    event->kind = 7;
    log.Events().push_back(std::move(event));

    for (LibraryList list :
         {LibraryList::Categories, LibraryList::Templates, LibraryList::Intensities,
          LibraryList::SubSports, LibraryList::Tracks, LibraryList::EventKinds}) {
        auto model = MakeListModel(list, lib, &log, units);
        std::size_t before = model->RowCount();
        DeleteResult refused = model->DeleteRow(0);
        EXPECT_FALSE(refused.deleted);
        EXPECT_EQ(refused.messageId, 33043u);
        EXPECT_EQ(model->RowCount(), before);
    }

    // Sports are never added nor deleted; only their active flag is edited.
    auto sports = MakeListModel(LibraryList::Sports, lib, &log, units);
    EXPECT_FALSE(sports->CanAddRows());
    EXPECT_FALSE(sports->DeleteRow(0).deleted);
    sports->SetCell(0, 0, CellValue{"", 0, 1});
    EXPECT_EQ(lib.sports[0].active, 1u);

    auto kinds = MakeListModel(LibraryList::EventKinds, lib, &log, units);
    EXPECT_TRUE(kinds->DeleteRow(1).deleted);  // "Reise" is unused
    EXPECT_EQ(lib.eventKinds.size(), 1u);

    // Without a log only the library itself can hold a reference.
    workout.templateId = 0;
    auto templates = MakeListModel(LibraryList::Templates, lib, nullptr, units);
    EXPECT_TRUE(templates->DeleteRow(0).deleted);
    EXPECT_TRUE(MakeListModel(LibraryList::Categories, lib, &log, units)->DeleteRow(0).deleted);
}

TEST_F(LibraryEditingTest, TrackDistancesShowInTheUserUnitRoundedDown) {
    auto tracks = MakeListModel(LibraryList::Tracks, lib, &log, units);
    lib.tracks[0].distance = 12.349f;
    EXPECT_DOUBLE_EQ(tracks->GetCell(0, 2).number, 12.34);

    units.distance = 1;  // miles
    lib.tracks[0].distance = 10;
    EXPECT_DOUBLE_EQ(tracks->GetCell(0, 2).number, 6.21);
    tracks->SetCell(0, 2, CellValue{"", 1, 0});  // one mile = 1.6103... km
    EXPECT_FLOAT_EQ(lib.tracks[0].distance, 1.61f);

    // Typed numbers outside a field's range are clamped, not wrapped.
    auto templates = MakeListModel(LibraryList::Templates, lib, &log, units);
    templates->SetCell(0, 4, CellValue{"", -5, 0});
    templates->SetCell(0, 5, CellValue{"", 1e12, 0});
    EXPECT_EQ(lib.workoutTemplates[0].pulseLow, 0u);
    EXPECT_EQ(lib.workoutTemplates[0].pulseHigh, 4294967295u);
}

TEST_F(LibraryEditingTest, SportsSortByAccumulatedUsageKeepingTiesInOrder) {
    AddItem(lib.sports, 102, "Rad");
    AddItem(lib.sports, 103, "Schwimmen");
    AddWorkout(log, 102, 90);
    AddWorkout(log, 103, 30);
    AddWorkout(log, 101, 30);
    AddWorkout(log, 999, 500);  // unknown sport: ignored
    lib.SortSportsByUsage(log);
    auto order = [&] {
        std::vector<std::uint32_t> ids;
        for (const auto& s : lib.sports) ids.push_back(s->id);
        return ids;
    };
    EXPECT_EQ(order(), (std::vector<std::uint32_t>{102, 101, 103, 100}));

    // A corrupt duration must not upset the order of the others.
    AddWorkout(log, 102, std::numeric_limits<double>::quiet_NaN());
    lib.SortSportsByUsage(log);
    EXPECT_EQ(order(), (std::vector<std::uint32_t>{101, 103, 100, 102}));
}

}  // namespace
}  // namespace kadenzo
