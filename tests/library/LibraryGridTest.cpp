// The library editor's grid without widgets: entering, committing, deleting
// and undoing rows over the lists' editing rules.
#include <gtest/gtest.h>

#include "AddLibraryItem.h"
#include "Database.h"
#include "Library.h"
#include "LibraryGrid.h"

namespace kadenzo {
namespace {

using test::AddItem;

class Beeps : public LibraryGrid::Listener {
public:
    void Beep() override { ++count; }
    int count = 0;
};

CellValue Text(const char* text) { return CellValue{text, 0, 0}; }
CellValue Value(std::uint32_t value) { return CellValue{"", 0, value}; }

class LibraryGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        AddItem(library.categories, 3, "Base").colour = 0x00FF00;
        AddItem(library.categories, 4, "Speed");
        AddItem(library.sports, 100, "Other").active = 1;
        AddItem(library.workoutTemplates, 5, "Long run").categoryId = 3;
        AddItem(library.tracks, 6, "Lake").distance = 5;
        library.RecomputeIdCounters();
        auto workout = std::make_unique<CWorkOut>();
        workout->templateId = 5;
        workout->trackId = 6;
        log.AddWorkout(std::move(workout));
        grid.SetListener(&beeps);
    }

    void Show(LibraryList list) {
        model = MakeListModel(list, library, &log, units);
        grid.SetModel(model.get());
    }

    CLibrary library;
    CDatabase log;
    UnitSettings units;
    std::unique_ptr<LibraryListModel> model;
    LibraryGrid grid;
    Beeps beeps;
};

TEST_F(LibraryGridTest, TypingIntoTheEmptyRowMakesAnItemThatEscapeTakesBack) {
    Show(LibraryList::Categories);
    ASSERT_EQ(grid.RowCount(), 3u);
    EXPECT_EQ(grid.NewRow(), 2u);
    EXPECT_EQ(grid.Cell(2, 1).value, kNoColour);

    EXPECT_EQ(grid.BeginEdit(2), 2u);
    grid.SetCell(2, 0, Text("Tempo"));
    EXPECT_EQ(library.categories.size(), 3u);
    EXPECT_EQ(grid.RowCount(), 4u);
    EXPECT_EQ(grid.NewRow(), 3u);
    EXPECT_EQ(grid.Mark(2), LibraryGrid::RowMark::Editing);
    EXPECT_EQ(grid.Mark(3), LibraryGrid::RowMark::New);
    EXPECT_EQ(library.categories[2].name, "");  // typed values wait for the row to be left

    grid.Escape();
    EXPECT_EQ(library.categories.size(), 2u);
    EXPECT_EQ(grid.RowCount(), 3u);
    EXPECT_EQ(grid.NewRow(), 2u);
    EXPECT_FALSE(grid.EditingRow());
}

TEST_F(LibraryGridTest, LeavingARowChecksItFirst) {
    Show(LibraryList::Templates);
    grid.BeginEdit(1);
    grid.SetCell(1, 0, Text("Intervals"));
    // No category chosen: the move is refused with its message and a beep.
    EXPECT_FALSE(grid.EnterRow(0));
    EXPECT_EQ(grid.MessageId(), 33045u);
    EXPECT_EQ(beeps.count, 1);
    EXPECT_EQ(grid.CurrentRow(), 1u);

    grid.SetCell(1, 1, Value(4));
    EXPECT_EQ(grid.EnterRow(0), 0u);
    EXPECT_EQ(grid.MessageId(), 0u);
    const CLibWorkout& added = library.workoutTemplates[1];
    EXPECT_EQ(added.name, "Intervals");
    EXPECT_EQ(added.categoryId, 4u);
    EXPECT_EQ(added.pulseRelative, 1u);  // the new row's start, kept

    // Escape on a stored row shows its stored values again.
    grid.BeginEdit(0);
    grid.SetCell(0, 0, Text("Changed"));
    grid.Escape();
    EXPECT_EQ(grid.Cell(0, 0).text, "Long run");
    EXPECT_EQ(library.workoutTemplates[0].name, "Long run");

    Show(LibraryList::Tracks);
    grid.BeginEdit(1);
    grid.SetCell(1, 2, CellValue{"", 12.5, 0});
    EXPECT_FALSE(grid.EnterRow(0));  // a distance but no name
    EXPECT_EQ(grid.MessageId(), 33044u);
}

TEST_F(LibraryGridTest, ARowLeftEmptyIsDeletedUnlessInUse) {
    Show(LibraryList::Categories);
    // Category 4 is used by nothing: emptied and left, it goes.
    grid.BeginEdit(1);
    grid.SetCell(1, 0, Text(""));
    EXPECT_EQ(grid.EnterRow(2), 1u);  // the row below moved up
    EXPECT_EQ(library.categories.size(), 1u);
    EXPECT_EQ(grid.NewRow(), 1u);

    // Category 3 belongs to a template: it stays as it was.
    grid.BeginEdit(0);
    grid.SetCell(0, 0, Text(""));
    grid.SetCell(0, 1, Value(kNoColour));
    EXPECT_EQ(grid.EnterRow(1), 1u);
    EXPECT_EQ(grid.MessageId(), 33043u);
    EXPECT_EQ(grid.Cell(0, 0).text, "Base");
    EXPECT_EQ(library.categories[0].colour, 0x00FF00u);
    EXPECT_FALSE(grid.EditingRow());
}

TEST_F(LibraryGridTest, DeletionsFollowTheListsRules) {
    Show(LibraryList::Tracks);
    EXPECT_FALSE(grid.DeleteRow(0));  // a workout runs on it
    EXPECT_EQ(grid.MessageId(), 33043u);
    EXPECT_FALSE(grid.DeleteRow(1));  // the empty row is no item
    grid.BeginEdit(1);
    grid.SetCell(1, 0, Text("Hill"));
    grid.BeginEdit(2);
    grid.SetCell(2, 0, Text("Ridge"));
    ASSERT_EQ(grid.EnterRow(0), 0u);
    grid.DeleteRows({0, 1, 2, 3});  // last first; the used one and the empty row stay
    ASSERT_EQ(library.tracks.size(), 1u);
    EXPECT_EQ(library.tracks[0].name, "Lake");
    EXPECT_EQ(grid.RowCount(), 2u);
    EXPECT_EQ(grid.NewRow(), 1u);
}

TEST_F(LibraryGridTest, ATickOnTheSportsListIsKeptAndNoSportDeleted) {
    // Sports have only a check box, which holds no value of its own: leaving
    // the row must still store it, not try to delete the sport.
    Show(LibraryList::Sports);
    grid.BeginEdit(0);
    grid.SetCell(0, 0, Value(0));
    EXPECT_TRUE(grid.FinishEditing());
    EXPECT_EQ(library.sports[0].active, 0u);
    EXPECT_EQ(grid.MessageId(), 0u);
    EXPECT_FALSE(grid.DeleteRow(0));  // the sports are the program's: none is deleted
    EXPECT_EQ(grid.MessageId(), LibraryGrid::kNoDeletions);
}

TEST_F(LibraryGridTest, TrackDistancesSurviveBeingStoredAgain) {
    Show(LibraryList::Tracks);
    grid.BeginEdit(0);
    grid.SetCell(0, 2, CellValue{"", 10.129, 0});
    grid.SetModel(nullptr);  // a row being edited is committed first
    EXPECT_FLOAT_EQ(library.tracks[0].distance, 10.12f);
    // Storing the row again, as a change of its name does, keeps 10.12.
    for (int pass = 0; pass < 2; ++pass) {
        Show(LibraryList::Tracks);
        EXPECT_DOUBLE_EQ(grid.Cell(0, 2).number, 10.12);
        grid.BeginEdit(0);
        grid.SetCell(0, 0, Text(pass ? "Lake loop" : "Lake"));
        EXPECT_TRUE(grid.FinishEditing());
    }
    EXPECT_FLOAT_EQ(library.tracks[0].distance, 10.12f);
}

}  // namespace
}  // namespace kadenzo
