#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

#include "DocumentFixture.h"

namespace kadenzo {
namespace {

using test::MakeWorkout;
using Bytes = std::vector<std::uint8_t>;

constexpr double kMonday = 45369.5;  // 18 March 2024

// Each edit is checked the same way: it changes the document, takes exactly
// one checkpoint under its step's name, is heard once, and undo and redo
// replace the document with the states before and after byte for byte, the
// name going with them.
class DocumentEditsTest : public test::DocumentFixture {
protected:
    DocumentEditsTest() {
        auto log = std::make_unique<CDatabase>();
        for (int day = 0; day < 3; ++day) {
            auto w = MakeWorkout(kMonday + day);
            w->notes = "day " + std::to_string(day);
            w->duration = 30 + day;
            log->AddWorkout(std::move(w));
        }
        Start(std::move(log), 190);
        document->AddObserver(&observer);
    }
    ~DocumentEditsTest() override { document->RemoveObserver(&observer); }

    // Runs the edit and checks the round trip; returns what the observers heard.
    DocumentChange RoundTrip(std::uint32_t step, const std::function<bool()>& edit) {
        const Bytes before = Saved();
        const std::size_t snapshots = document->UndoSnapshots();
        const std::uint32_t stepBefore = document->UndoName();
        observer.Clear();
        EXPECT_TRUE(edit());
        EXPECT_EQ(document->UndoName(), step);
        EXPECT_EQ(document->RedoName(), 0u);
        const Bytes after = Saved();
        EXPECT_NE(after, before);
        EXPECT_EQ(document->UndoSnapshots(), snapshots + (snapshots == 0 ? 2 : 1));
        EXPECT_TRUE(document->IsModified());
        EXPECT_EQ(observer.changes.size(), 1u);
        const DocumentChange heard =
            observer.changes.empty() ? DocumentChange{} : observer.changes[0];
        document->Undo();
        EXPECT_EQ(observer.notices, (std::vector<std::string>{"change", "replacing", "replaced"}));
        EXPECT_EQ(Saved(), before);
        EXPECT_EQ(document->UndoName(), stepBefore);
        EXPECT_EQ(document->RedoName(), step);
        document->Redo();
        EXPECT_EQ(Saved(), after);
        EXPECT_EQ(document->UndoName(), step);
        EXPECT_EQ(document->RedoName(), 0u);
        return heard;
    }
    std::string Notes() const {
        std::string notes;
        for (const auto& w : document->Log().Workouts()) notes += w->notes + "|";
        return notes;
    }

    test::RecordingObserver observer;
};

TEST_F(DocumentEditsTest, WorkoutEditsNameTheDaysTheyTouch) {
    DocumentChange added = RoundTrip(edit::kStepAddWorkout, [&] {
        auto w = MakeWorkout(0);
        w->notes = "new";
        return edit::AddWorkout(*document, std::move(w), {kMonday + 1, Nth(1), true}).has_value();
    });
    EXPECT_EQ(Notes(), "day 0|new|day 1|day 2|");
    EXPECT_TRUE(added.Has(DocumentChange::kModified));  // the first change sets the flag
    EXPECT_TRUE(added.TouchesDays(45370, 45370));
    EXPECT_FALSE(added.TouchesDays(45369, 45369));

    CWorkOut changed = **Nth(0);
    changed.date = kMonday + 5;
    DocumentChange replaced = RoundTrip(
        edit::kStepEditWorkout, [&] { return edit::ReplaceWorkout(*document, Nth(0), changed); });
    EXPECT_FALSE(replaced.Has(DocumentChange::kModified));  // already set
    EXPECT_EQ(replaced.firstDay, 45369);
    EXPECT_EQ(replaced.lastDay, 45374);
    EXPECT_EQ(Notes(), "new|day 1|day 2|day 0|");

    RoundTrip(edit::kStepDeleteWorkout, [&] { return edit::RemoveWorkout(*document, Nth(0)); });
    EXPECT_EQ(Notes(), "day 1|day 2|day 0|");
}

TEST_F(DocumentEditsTest, AMoveIsOneChangeAndACopyLeavesThePerformedPartBehind) {
    DocumentChange moved = RoundTrip(edit::kStepMoveWorkout, [&] {
        return edit::MoveWorkout(*document, Nth(0), {kMonday + 2, Nth(2), false}).has_value();
    });
    EXPECT_EQ(Notes(), "day 1|day 2|day 0|");
    EXPECT_EQ(moved.firstDay, 45369);
    EXPECT_EQ(moved.lastDay, 45371);
    // Undo of the move shows the workout once, at its old place.
    document->Undo();
    EXPECT_EQ(Notes(), "day 0|day 1|day 2|");
    document->Redo();

    RoundTrip(edit::kStepCopyWorkout, [&] {
        return edit::CopyWorkout(*document, Nth(2), edit::InDateOrder(kMonday + 7)).has_value();
    });
    const CWorkOut& copy = **Nth(3);
    EXPECT_EQ(copy.notes, "");
    EXPECT_EQ(copy.duration, 0);
    EXPECT_EQ(copy.date, kMonday + 7);
    EXPECT_EQ(copy.targetFixed, 0u);
    EXPECT_EQ(Nth(2)->get()->notes, "day 0");  // the original stays
}

// Workouts placed beside others of their day take a date between those of
// their neighbours, whatever their times of day, so the list stays in order.
TEST_F(DocumentEditsTest, APlaceBesideANeighbourKeepsTheListInDateOrder) {
    const double day = kMonday + 10;  // noon
    const auto early = *edit::AddWorkout(*document, MakeWorkout(0), {day - 0.25, {}, false});
    const auto late = *edit::AddWorkout(*document, MakeWorkout(0), {day + 0.25, {}, false});
    struct Case {
        CDatabase::ConstWorkoutPos neighbour;
        bool before;
        double expected;
    } cases[] = {
        {early, true, day - 0.25},  // before 06:00: no later than it
        {early, false, day},        // between the two: noon as asked
        {late, false, day + 0.25},  // after 18:00: no earlier than it
        {Nth(0), false, day},       // another day's neighbour: none, by date
    };
    for (const Case& c : cases) {
        const auto placed =
            edit::AddWorkout(*document, MakeWorkout(0), {day, c.neighbour, c.before});
        ASSERT_TRUE(placed.has_value());
        EXPECT_EQ((**placed)->date, c.expected);
    }
    const auto& workouts = document->Log().Workouts();
    EXPECT_TRUE(std::is_sorted(workouts.begin(), workouts.end(),
                               [](const auto& x, const auto& y) { return x->date < y->date; }));
    EXPECT_TRUE(document->Log().IndexIsConsistent());
}

// A handle held across undo or redo, which replace the log, finds nothing
// rather than another workout.
TEST_F(DocumentEditsTest, HandlesDoNotSurviveAReplacedLog) {
    const CDatabase::WorkoutHandle kept = document->Log().HandleOf(Nth(1));
    edit::SetLogName(*document, "Spring");
    document->Undo();
    EXPECT_FALSE(document->Log().FindWorkout(kept).has_value());
    const CDatabase::WorkoutHandle afterUndo = document->Log().HandleOf(Nth(1));
    document->Redo();
    EXPECT_FALSE(document->Log().FindWorkout(afterUndo).has_value());
}

TEST_F(DocumentEditsTest, EditsThatChangeNothingTakeNoCheckpoint) {
    edit::SetLogName(*document, "Season");
    const std::size_t snapshots = document->UndoSnapshots();
    document->SetModifiedFlag(false);
    observer.Clear();
    EXPECT_FALSE(edit::SetLogName(*document, "Season"));
    EXPECT_FALSE(edit::ReplaceWorkout(*document, Nth(0), **Nth(0)));
    EXPECT_FALSE(edit::RemoveWorkout(*document, document->Log().EndWorkouts()));
    EXPECT_FALSE(edit::SetProfile(*document, document->Profile()));
    EXPECT_FALSE(edit::RemoveBodyInfo(*document, {CalendarDateTime::kValid, kMonday}));
    EXPECT_FALSE(edit::SetBodyInfo(*document, CBodyInfo({CalendarDateTime::kValid, kMonday})));
    EXPECT_FALSE(edit::SetEvents(*document, {}));
    EXPECT_EQ(document->UndoSnapshots(), snapshots);
    EXPECT_FALSE(document->IsModified());
    EXPECT_TRUE(observer.notices.empty());
}

TEST_F(DocumentEditsTest, BodyDataEventsProfileNameAndLibraryRoundTrip) {
    CBodyInfo weight(CalendarDateTime{CalendarDateTime::kValid, kMonday});
    weight.weight = 71.5;
    DocumentChange body =
        RoundTrip(edit::kStepEditBodyData, [&] { return edit::SetBodyInfo(*document, weight); });
    EXPECT_TRUE(body.Has(DocumentChange::kBodyData));
    EXPECT_TRUE(body.TouchesDays(45369, 45369));
    RoundTrip(edit::kStepDeleteBodyData,
              [&] { return edit::RemoveBodyInfo(*document, weight.date); });

    CEvent camp;
    camp.start = {CalendarDateTime::kValid, kMonday + 10};
    camp.end = {CalendarDateTime::kValid, kMonday + 16};
    camp.kind = test::kIllness;
    DocumentChange events =
        RoundTrip(edit::kStepEditEvents, [&] { return edit::SetEvents(*document, {camp}); });
    EXPECT_EQ(events.firstDay, 45379);
    EXPECT_EQ(events.lastDay, 45385);

    RoundTrip(edit::kStepEditProfile, [&] {
        return edit::SetProfile(*document, {181, 0, test::kLongAgo});
    });
    RoundTrip(edit::kStepRenameLog, [&] { return edit::SetLogName(*document, "Spring"); });

    auto renamed = document->Library().Clone();
    renamed->FindSport(test::kRun)->name = "Trail";
    DocumentChange library = RoundTrip(edit::kStepChangeLibrary, [&] {
        return edit::ReplaceLibrary(*document, std::move(renamed));
    });
    EXPECT_TRUE(library.Has(DocumentChange::kLibrary));
    EXPECT_EQ(document->Library().GetSportName(test::kRun), "Trail");
    // Undo brings the old library back without asking.
    document->Undo();
    EXPECT_EQ(document->Library().GetSportName(test::kRun), "Running");
    EXPECT_TRUE(prompts.asked.empty());
}

}  // namespace
}  // namespace kadenzo
