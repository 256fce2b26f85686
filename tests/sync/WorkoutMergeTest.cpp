// Workouts merged by content and count, edits paired by day and template,
// and the conflicts that follow, as tables of three versions.
#include <gtest/gtest.h>

#include <limits>

#include "MergeFixture.h"

namespace kadenzo::test {
namespace {

const W a{kDay, 30, "a"};
const W b{kDay + 1, 45, "b"};
const W c{kDay + 2, 60, "c"};
const W a1{kDay, 35, "a"};  // a, edited
const W a2{kDay, 40, "a"};  // a, edited otherwise
const W aNextDay{kDay + 1, 30, "a"};
const W aOtherTemplate{kDay, 30, "a", kFixedPulse};

const W x{kDay, 50, "x"}, x1{kDay, 55, "x"}, x2{kDay, 70, "x"};
const W early{kDay, 5, "early", kTempoRun, 8};

struct Row {
    const char* rule;
    bool twoWay;
    std::vector<W> base, mine, theirs, merged;
    std::vector<std::string> conflicts;
};

// clang-format off
const Row kRows[] = {
    {"nothing changed", false, {a, b}, {a, b}, {a, b}, {a, b}, {}},
    {"added on one side", false, {a}, {a, c}, {a}, {a, c}, {}},
    {"the same workout added on both sides once", false, {a}, {a, c}, {a, c}, {a, c}, {}},
    {"different workouts added on both sides", false, {}, {a1}, {a2}, {a1, a2}, {}},
    {"removed on one side", false, {a, b}, {b}, {a, b}, {b}, {}},
    {"removed on both sides", false, {a, b}, {b}, {b}, {b}, {}},
    {"removed here, copied there: both count", false, {a}, {}, {a, a}, {a}, {}},
    {"two copies: the larger removal counts", false, {a, a, a}, {a}, {a, a}, {a}, {}},
    {"one removed, one added: both count", false, {a, a}, {a}, {a, a, a}, {a, a}, {}},
    {"identical edits on both sides", false, {a, b}, {a1, b}, {b, a1}, {a1, b}, {}},
    {"edited differently on both sides", false, {a, b}, {a1, b}, {a2, b}, {a1, a2, b}, {"edited on both sides"}},
    {"edited here, removed there", false, {a, b}, {a1, b}, {b}, {a1, b}, {"edited and removed"}},
    {"removed here, edited there", false, {a, b}, {b}, {a2, b}, {a2, b}, {"edited and removed"}},
    {"moved to another day is no edit", false, {a}, {aNextDay}, {a2}, {a2, aNextDay}, {"edited and removed"}},
    {"another template is no edit", false, {a}, {aOtherTemplate}, {a2}, {aOtherTemplate, a2}, {"edited and removed"}},
    {"each edit pairs in log order", false, {a, x}, {a1, x1}, {x2, a}, {a1, x1, x2}, {"edited on both sides"}},
    {"equal dates: BASE's, MINE's, THEIRS'", false, {x}, {a, x}, {c, early, b, x}, {early, x, a, b, c}, {}},
    {"without BASE: the same on both sides once", true, {}, {a, b}, {b, a}, {a, b}, {}},
    {"without BASE: on one side only", true, {}, {a}, {b}, {a, b}, {}},
    {"without BASE: one day and template, two versions", true, {}, {a1, b}, {a2, b}, {a1, a2, b},
     {"different on the two sides"}},
    {"without BASE: two copies on one side", true, {}, {a, a}, {a}, {a, a}, {}},
};
// clang-format on

TEST(WorkoutMerge, Rules) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.rule);
        const DocumentContents base = Diary(WorkoutLog(row.base));
        const Outcome outcome = Merge(row.twoWay ? nullptr : &base, Diary(WorkoutLog(row.mine)),
                                      Diary(WorkoutLog(row.theirs)));
        EXPECT_EQ(Describe(*outcome.merged.log), Describe(row.merged));
        EXPECT_EQ(outcome.What(), row.conflicts);
    }
}

// A save fixes the targets of past workouts: that is no edit, and the copy
// with fixed targets is the one kept.
TEST(WorkoutMerge, FixedTargetsAreNoEdit) {
    const DocumentContents base = Diary(WorkoutLog({a, b}));
    DocumentContents mine = Copy(base);
    for (auto it = mine.log->BeginWorkouts(); it != mine.log->EndWorkouts(); ++it) {
        (*it)->targetPulseLow = 120;
        (*it)->targetPulseHigh = 150;
        (*it)->targetFixed = 1;
    }
    const Outcome outcome = Merge(&base, Copy(base), mine);
    EXPECT_EQ(outcome.workouts, (sync::ChangeCounts{0, 0}));
    EXPECT_TRUE(outcome.conflicts.empty());
    ASSERT_EQ(outcome.merged.log->WorkoutCount(), 2u);
    for (const auto& w : outcome.merged.log->Workouts()) {
        EXPECT_EQ(w->targetFixed, 1u);
        EXPECT_EQ(w->targetPulseHigh, 150);
    }
}

// A figure that is not a number (a damaged file) still matches itself, so
// the record is neither doubled nor taken for an edit.
TEST(WorkoutMerge, NotANumberMatchesItself) {
    DocumentContents base = Diary(WorkoutLog({a, b}));
    base.log->BeginWorkouts()->get()->distance = std::numeric_limits<double>::quiet_NaN();
    base = Copy(base);
    DocumentContents theirs = Copy(base);
    theirs.log->AddWorkout(Make(c));
    const Outcome outcome = Merge(&base, Copy(base), theirs);
    EXPECT_EQ(outcome.merged.log->WorkoutCount(), 3u);
    EXPECT_TRUE(outcome.conflicts.empty());
    EXPECT_EQ(outcome.workouts, (sync::ChangeCounts{1, 0}));
}

// The report counts against MINE and names where both versions of a
// conflict are in the merged log; the choices take either one back out.
TEST(WorkoutMerge, ConflictPositionsAndChoices) {
    const DocumentContents base = Diary(WorkoutLog({a, b}));
    const DocumentContents mine = Diary(WorkoutLog({a1, b}));
    const DocumentContents theirs = Diary(WorkoutLog({a2, b, c}));
    const Outcome merged = Merge(&base, mine, theirs);
    EXPECT_EQ(merged.workouts, (sync::ChangeCounts{2, 0}));
    ASSERT_EQ(merged.conflicts.size(), 1u);
    const sync::Conflict& conflict = merged.conflicts[0];
    EXPECT_EQ(conflict.day, kDay);
    EXPECT_EQ(conflict.defaultChoice, sync::Choice::Both);
    EXPECT_EQ(conflict.minePosition, 0u);
    EXPECT_EQ(conflict.theirsPosition, 1u);
    const auto& versions = std::get<sync::WorkoutVersions>(conflict.versions);
    EXPECT_EQ(versions.mine->duration, 35);
    EXPECT_EQ(versions.theirs->duration, 40);

    using sync::Choice;
    EXPECT_EQ(Describe(*Merge(&base, mine, theirs, {{Choice::Mine}}).merged.log),
              Describe({a1, b, c}));
    EXPECT_EQ(Describe(*Merge(&base, mine, theirs, {{Choice::Theirs}}).merged.log),
              Describe({a2, b, c}));

    // Edited here, removed there: the removal can still be chosen.
    const Outcome removed = Merge(&base, mine, Diary(WorkoutLog({b})), {{Choice::Theirs}});
    EXPECT_EQ(Describe(*removed.merged.log), Describe({b}));
}

}  // namespace
}  // namespace kadenzo::test
