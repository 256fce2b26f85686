#include <gtest/gtest.h>

#include "DiaryFixture.h"
#include "WorkoutDrop.h"

namespace kadenzo {
namespace {

using test::DiaryWorld;
using test::kMonday;
using test::kToday;

TEST(DropGap, CountsTheFilledBoxesAboveThePointer) {
    // 131 x 148, text 16: gap 0 is y 21-29, box 0 30-77, gap 1 78-86, box 1
    // 87-134, gap 2 135-146.
    const DayPanelGeometry g = ComputeDayPanelGeometry(131, 148, 16);
    const int ys[] = {10, 25, 50, 82, 110, 140, 147};  // header ... below the last gap
    const std::optional<int> none;
    const std::optional<int> expected[3][7] = {
        {none, 0, 0, 0, 0, 0, none},        // an empty day takes a drop anywhere in it
        {none, 0, none, 1, 1, 1, none},     // one workout: above or below it
        {none, 0, none, 1, none, 2, none},  // two: never onto a box
    };
    for (int filled = 0; filled < 3; ++filled)
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(DropGapAt(g, {60, ys[i]}, filled), expected[filled][i])
                << filled << " filled, y " << ys[i];
    EXPECT_EQ(DropGapAt(g, {0, 25}, 0), none);  // the frame, left of the boxes
}

// A day of three workouts (a, b, c) shown from the first, and the next day with d.
class WorkoutDropTest : public ::testing::Test {
protected:
    WorkoutDropTest() {
        a = Add(kMonday, "a");
        b = Add(kMonday, "b");
        c = Add(kMonday, "c");
        d = Add(kMonday + 1, "d");
    }

    CDatabase::WorkoutHandle Add(int day, const char* notes) {
        CWorkOut w;
        w.plannedDuration = 45;
        w.duration = 40;
        w.distance = 8;
        w.averagePulse = 140;
        w.partDuration = 20;
        w.targetFixed = 1;
        w.targetPulseLow = 120;
        w.notes = notes;
        return world.Add(day, w);
    }
    const CDatabase& Log() const { return world.Log(); }
    // The day as its panel shows it from `first` on, the pointer over `gap`.
    DropTarget Target(int day, std::optional<CDatabase::WorkoutHandle> first,
                      std::optional<int> gap) {
        DropTarget target;
        target.day = day;
        target.gap = gap;
        if (first) {
            auto pos = *Log().FindWorkout(*first);
            target.boxes[0] = pos;
            if (++pos != Log().EndWorkouts() && DayNumber((*pos)->date) == day)
                target.boxes[1] = pos;
        }
        return target;
    }
    std::string Notes() const {
        std::string notes;
        for (const auto& w : Log().Workouts()) notes += w->notes;
        return notes;
    }
    static WorkoutDragData Dragging(CDatabase::WorkoutHandle workout) { return {workout, 0}; }

    DiaryWorld world;
    CDatabase::WorkoutHandle a = 0, b = 0, c = 0, d = 0;
};

TEST_F(WorkoutDropTest, EffectsFollowTheDataThePlaceAndTheControlKey) {
    const CDatabase::WorkoutHandle gone = Add(kMonday + 3, "gone");
    edit::RemoveWorkout(*world.doc, *Log().FindWorkout(gone));
    const DropTarget empty = Target(kMonday + 2, {}, 0);
    struct Case {
        const char* what;
        std::optional<WorkoutDragData> data;
        DropTarget target;
        DropEffect plain;    // without control
        DropEffect control;  // with it
    };
    using enum DropEffect;
    const Case cases[] = {
        {"no data of ours", std::nullopt, empty, kNone, kNone},
        {"a workout no longer there", Dragging(gone), empty, kNone, kNone},
        {"a template on an empty day", WorkoutDragData{0, 7}, empty, kCopy, kCopy},
        {"a template the library lacks", WorkoutDragData{0, 99}, empty, kNone, kNone},
        {"onto a workout box", Dragging(d), Target(kMonday, a, std::nullopt), kNone, kNone},
        {"a gap the day has not", Dragging(d), Target(kMonday + 1, d, 2), kNone, kNone},
        {"to another day", Dragging(d), Target(kMonday, a, 1), kMove, kCopy},
        {"right above itself", Dragging(a), Target(kMonday, a, 0), kNone, kCopy},
        {"right below itself", Dragging(a), Target(kMonday, a, 1), kNone, kCopy},
        {"below the workout after it", Dragging(a), Target(kMonday, a, 2), kMove, kCopy},
        {"the second box above itself", Dragging(b), Target(kMonday, a, 1), kNone, kCopy},
        // Scrolled to b and c: above b is right after a, though a is not shown.
        {"next to itself, scrolled away", Dragging(a), Target(kMonday, b, 0), kNone, kCopy},
        {"the last one to the top", Dragging(c), Target(kMonday, a, 0), kMove, kCopy},
    };
    world.doc->SetModifiedFlag(false);
    const std::size_t snapshots = world.doc->UndoSnapshots();
    for (const Case& k : cases) {
        EXPECT_EQ(QueryWorkoutDrop(*world.doc, k.data, k.target, false), k.plain) << k.what;
        EXPECT_EQ(QueryWorkoutDrop(*world.doc, k.data, k.target, true), k.control) << k.what;
        // A drop the rules refuse changes nothing.
        const bool moved = k.plain == kNone && DropWorkout(*world.doc, k.data, kMove, k.target);
        const bool copied = k.control == kNone && DropWorkout(*world.doc, k.data, kCopy, k.target);
        EXPECT_FALSE(moved || copied) << k.what;
    }
    // A day crossed out by an event takes nothing, whatever comes.
    DropTarget blocked = empty;
    blocked.blocked = true;
    EXPECT_EQ(QueryWorkoutDrop(*world.doc, WorkoutDragData{0, 7}, blocked, true), kNone);
    EXPECT_EQ(QueryWorkoutDrop(*world.doc, Dragging(a), blocked, true), kNone);
    EXPECT_FALSE(DropWorkout(*world.doc, Dragging(a), kCopy, blocked));
    EXPECT_FALSE(DropWorkout(*world.doc, Dragging(a), kNone, Target(kMonday, a, 2)));
    EXPECT_EQ(Notes(), "abcd");
    EXPECT_EQ(world.doc->UndoSnapshots(), snapshots);
    EXPECT_FALSE(world.doc->IsModified());
}

// (Undo and redo of drops, and moves within a day, are tried on the panels.)
TEST_F(WorkoutDropTest, AMoveCarriesThePerformanceACopyLeavesItBehind) {
    const std::size_t snapshots = world.doc->UndoSnapshots();
    const auto moved =
        DropWorkout(*world.doc, Dragging(a), DropEffect::kMove, Target(kMonday + 1, d, 1));
    ASSERT_TRUE(moved.has_value());
    EXPECT_EQ(Notes(), "bcda");
    EXPECT_EQ(world.doc->UndoSnapshots(), snapshots + 1);  // one change
    EXPECT_EQ((**moved)->date, kMonday + 1.5);
    EXPECT_EQ((**moved)->duration, 40);
    // The template's targets again (fixed anew, as the day has passed), not the old 120.
    EXPECT_EQ((**moved)->targetPulseLow, 130);

    const auto copy =
        DropWorkout(*world.doc, Dragging(b), DropEffect::kCopy, Target(kToday + 3, {}, 0));
    ASSERT_TRUE(copy.has_value());
    const CWorkOut& w = ***copy;
    EXPECT_EQ(Notes(), "bcda");  // the copy arrives without notes
    EXPECT_EQ(w.plannedDuration, 45);
    EXPECT_EQ(w.duration, 0);
    EXPECT_EQ(w.distance, 0);
    EXPECT_EQ(w.averagePulse, 0);
    EXPECT_EQ(w.partDuration, 20);  // the marked section stays
    EXPECT_EQ(w.targetFixed, 0u);
    EXPECT_EQ((**Log().FindWorkout(b))->duration, 40);
}

// Below the second box shown is before the workout after it, not shown.
TEST_F(WorkoutDropTest, BelowTheSecondBoxIsBeforeTheWorkoutAfterIt) {
    ASSERT_TRUE(DropWorkout(*world.doc, Dragging(d), DropEffect::kMove, Target(kMonday, a, 2)));
    EXPECT_EQ(Notes(), "abdc");
}

}  // namespace
}  // namespace kadenzo
