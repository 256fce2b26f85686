#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <type_traits>

#include "Database.h"
#include "LogFixtures.h"
#include "StreamBytes.h"

namespace kadenzo {
namespace {

using test::MakeWorkout;
using test::StreamBytes;

class DatabaseTest : public ::testing::Test {
protected:
    // The workouts' notes in list order.
    std::string Order() const {
        std::string order;
        for (const auto& w : log.Workouts()) order += w->notes;
        return order;
    }
    std::unique_ptr<CWorkOut> Named(double date, const char* name) {
        auto w = MakeWorkout(date);
        w->notes = name;
        return w;
    }

    CDatabase log;
    std::unique_ptr<CLibrary> library = test::MakeLibrary();
};

TEST_F(DatabaseTest, AddWorkoutKeepsDateOrderAndPutsEqualDatesLast) {
    log.AddWorkout(Named(10.5, "b"));
    auto a = log.AddWorkout(Named(9.5, "a"));
    log.AddWorkout(Named(12.5, "d"));
    log.AddWorkout(Named(10.5, "c"));
    EXPECT_EQ(Order(), "abcd");
    EXPECT_EQ((*a)->notes, "a");  // positions survive later inserts

    log.InsertWorkoutBefore(Named(10.5, "B"), std::next(a));
    log.InsertWorkoutAfter(Named(12.5, "D"), std::prev(log.EndWorkouts()));
    log.InsertWorkoutAfter(Named(11.5, "x"), log.EndWorkouts());  // no position: sorted in
    EXPECT_EQ(Order(), "aBbcxdD");
    EXPECT_TRUE(log.IndexIsConsistent());

    std::vector<std::string> tens;
    for (auto pos : log.WorkoutsBetween(10.0, 11.0)) tens.push_back((*pos)->notes);
    EXPECT_EQ(tens, (std::vector<std::string>{"B", "b", "c"}));
    EXPECT_EQ((*log.FirstWorkoutFrom(10.6))->notes, "x");
    EXPECT_EQ(log.FirstWorkoutFrom(13.0), log.EndWorkouts());
    log.SetWorkoutDate(a, 12.5);  // redated onto an equal date: last again
    EXPECT_EQ(Order(), "BbcxdDa");
}

// A day runs from its midnight up to, not including, the next: a workout at
// exactly midnight counts on the day it starts and never on two days.
TEST_F(DatabaseTest, MidnightBelongsToTheDayItStartsOnly) {
    log.AddWorkout(Named(9.999, "a"));
    log.AddWorkout(Named(10.0, "b"));
    log.AddWorkout(Named(10.5, "c"));
    log.AddWorkout(Named(11.0, "d"));
    const CDatabase& constLog = log;
    const std::pair<double, const char*> days[] = {{9, "a"}, {10, "bc"}, {11, "d"}, {12, ""}};
    for (const auto& [day, expected] : days) {
        std::string found, foundConst;
        for (auto pos : log.WorkoutsBetween(day, day + 1)) found += (*pos)->notes;
        for (auto pos : constLog.WorkoutsBetween(day, day + 1)) foundConst += (*pos)->notes;
        EXPECT_EQ(found, expected) << day;
        EXPECT_EQ(foundConst, expected) << day;
    }
}

// Random edits against a plain reference: the list stays sorted, the index
// stays in step and range queries find exactly what a walk of the list finds.
TEST_F(DatabaseTest, RangeQueriesAgreeWithAWalkAfterRandomEdits) {
    std::mt19937 random(7);
    auto day = [&] { return static_cast<double>(random() % 40) + 0.5; };
    std::vector<CDatabase::WorkoutPos> positions;
    for (int step = 0; step < 600; ++step) {
        const std::size_t at = positions.empty() ? 0 : random() % positions.size();
        const unsigned action = positions.empty() ? 0 : random() % 4;
        if (action <= 1) {
            positions.push_back(log.AddWorkout(MakeWorkout(day())));
        } else if (action == 2) {
            log.RemoveWorkout(positions[at]);
            positions.erase(positions.begin() + static_cast<std::ptrdiff_t>(at));
        } else {
            log.SetWorkoutDate(positions[at], day());
        }
        ASSERT_TRUE(log.IndexIsConsistent());
    }
    for (double from = 0; from < 41; from += 3) {
        std::vector<const CWorkOut*> walked;
        for (const auto& w : log.Workouts())
            if (w->date >= from && w->date < from + 7) walked.push_back(w.get());
        std::vector<const CWorkOut*> found;
        for (auto pos : log.WorkoutsBetween(from, from + 7)) found.push_back(pos->get());
        EXPECT_EQ(found, walked) << "from " << from;
    }
}

// Views read the log through its const interface; only the document's edit
// functions change records.
static_assert(
    std::is_const_v<
        std::remove_reference_t<decltype(**std::declval<const CDatabase&>().BeginWorkouts())>>);
static_assert(
    std::is_const_v<
        std::remove_reference_t<decltype(*std::declval<const CDatabase&>().Workouts().front())>>);

TEST_F(DatabaseTest, HandlesAreNeverGivenTwiceNotEvenByTheLogThatReplacesThisOne) {
    auto a = log.AddWorkout(Named(1.5, "a"));
    auto b = log.AppendWorkout(Named(2.5, "b"));
    const CDatabase::WorkoutHandle first = log.HandleOf(a);
    const CDatabase::WorkoutHandle second = log.HandleOf(b);
    EXPECT_NE(first, 0u);
    EXPECT_NE(first, second);
    EXPECT_EQ(log.HandleOf(log.EndWorkouts()), 0u);
    EXPECT_FALSE(log.FindWorkout(0).has_value());
    EXPECT_FALSE(log.FindWorkout(second + 1).has_value());  // not given yet

    // A replaced or redated record keeps the handle of its place.
    EXPECT_EQ(log.ReplaceWorkout(a, Named(5.5, "A"))->notes, "a");
    EXPECT_EQ((**log.FindWorkout(first))->notes, "A");
    EXPECT_EQ(log.RemoveWorkout(b)->notes, "b");
    EXPECT_FALSE(log.FindWorkout(second).has_value());
    const CDatabase::WorkoutHandle third = log.HandleOf(log.AddWorkout(Named(2.5, "c")));
    EXPECT_GT(third, second);

    // A log read from this one's bytes (a file, an undo) gives handles of its
    // own; continued, none of them is one this log gave.
    auto bytes = test::Stored([&](CArchive& ar) { ar.WriteObject(&log); });
    auto next = test::ReadTagged<CDatabase>(bytes, "CDatabase");
    next->ContinueHandlesOf(log);
    // Handles come with the workouts: found before anyone asked for one.
    EXPECT_EQ(*next->FindWorkout(third + 1), next->BeginWorkouts());
    for (CDatabase::WorkoutHandle old : {first, second, third})
        EXPECT_FALSE(next->FindWorkout(old).has_value()) << old;
    for (auto it = next->BeginWorkouts(); it != next->EndWorkouts(); ++it) {
        EXPECT_GT(next->HandleOf(it), third);
        EXPECT_EQ(*next->FindWorkout(next->HandleOf(it)), CDatabase::ConstWorkoutPos(it));
    }
    log.DeleteContents();
    EXPECT_FALSE(log.FindWorkout(first).has_value());
    EXPECT_GT(log.HandleOf(log.AddWorkout(Named(1.5, "d"))), third);
}

TEST_F(DatabaseTest, BodyInfoIsOnePerDateInDateOrder) {
    auto day = [](double v) { return CalendarDateTime{CalendarDateTime::kValid, v}; };
    for (double date : {10.5, 30.5, 20.5, 40.5, 5.5, 20.75}) {
        CBodyInfo info(day(std::floor(date) + 0.5));  // one day twice: the later stays
        info.weight = date;
        log.SetBodyInfo(info);
    }
    std::vector<double> weights;
    for (const auto& info : log.BodyInfos()) weights.push_back(info->weight);
    EXPECT_EQ(weights, (std::vector<double>{5.5, 10.5, 20.75, 30.5, 40.5}));
    EXPECT_EQ(log.FindBodyInfo({CalendarDateTime::kInvalid, 20.5}), nullptr);

    log.SetBodyInfo(CBodyInfo(day(30.5)));  // all zero, no note: removes
    EXPECT_EQ(log.BodyInfos().size(), 4u);
    EXPECT_EQ(log.FindBodyInfo(day(30.5)), nullptr);
    // Any one measurement or a note alone is worth keeping.
    const std::function<void(CBodyInfo&)> alone[] = {
        [](CBodyInfo& b) { b.weight = 70; }, [](CBodyInfo& b) { b.value2 = 12; },
        [](CBodyInfo& b) { b.value3 = 48; }, [](CBodyInfo& b) { b.note = "ill"; }};
    for (const auto& set : alone) {
        CBodyInfo info(day(30.5));
        set(info);
        log.SetBodyInfo(info);
        EXPECT_NE(log.FindBodyInfo(day(30.5)), nullptr);
        log.SetBodyInfo(CBodyInfo(day(30.5)));
    }
}

TEST_F(DatabaseTest, ListsShareClassDescriptorsAndDeleteContentsClearsTheName) {
    log.name = "Ironman";
    log.AddWorkout(MakeWorkout(45000.5));
    log.AddWorkout(MakeWorkout(45001.5, test::kFixedPulse));
    log.Events().push_back(std::make_unique<CEvent>());
    auto bytes = test::Stored([&](CArchive& ar) { ar.WriteObject(&log); });
    // Log is class 1 / object 2, CEvent class 3 / object 4, CWorkOut class 5:
    // the second workout carries 0x8000 + 5.
    std::vector<std::uint8_t> secondTag = {0x05, 0x80};
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), secondTag.begin(), secondTag.end()),
              bytes.end());
    auto back = test::ReadTagged<CDatabase>(bytes, "CDatabase");
    EXPECT_TRUE(back->IndexIsConsistent());
    EXPECT_EQ(test::Stored([&](CArchive& ar) { ar.WriteObject(back.get()); }), bytes);

    back->DeleteContents();
    EXPECT_EQ(back->name, "");
    EXPECT_EQ(back->WorkoutCount() + back->Events().size(), 0u);
}

TEST_F(DatabaseTest, RemoveInvalidDropsRecordsWhoseLibraryItemsAreGone) {
    log.AddWorkout(MakeWorkout(1.5, 900));
    log.AddWorkout(MakeWorkout(2.5));
    log.AddWorkout(MakeWorkout(3.5, 901));
    for (std::int32_t kind : {-5, -6, -7, 3, 77}) {  // -5 and -6 are built in
        auto event = std::make_unique<CEvent>();
        event->kind = kind;
        log.Events().push_back(std::move(event));
    }
    CDatabase::DropCounts dropped = log.RemoveInvalid(library.get());
    EXPECT_EQ(dropped.workouts, 2u);
    EXPECT_EQ(dropped.events, 2u);
    EXPECT_TRUE(log.IndexIsConsistent());
    EXPECT_EQ(log.RemoveInvalid(nullptr).Total(), 2u);  // without a library only -5, -6 stay
}

// Ids are any 32-bit number; small ones are checked in a bitmap, large ones
// in a sorted list, and both must agree with the library.
TEST_F(DatabaseTest, RemoveInvalidKnowsIdsOfAnySize) {
    for (std::uint32_t id : {63u, 64u, 65535u, 65536u, 0xFFFFFFFFu})
        test::AddItem(library->workoutTemplates, id, "Template").sportId = test::kRun;
    test::AddItem(library->intensities, 70000, "Very hard");
    double day = 1.5;
    for (std::uint32_t id :
         {63u, 62u, 64u, 65u, 65535u, 65536u, 65537u, 0xFFFFFFFFu, 0xFFFFFFFEu}) {
        auto w = MakeWorkout(day++, id);
        w->intensityId = id == 64 ? 70000 : 70001;
        log.AddWorkout(std::move(w));
    }
    EXPECT_EQ(log.RemoveInvalid(library.get()).workouts, 4u);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> left;
    for (const auto& w : log.Workouts()) left.emplace_back(w->templateId, w->intensityId);
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{
                        {63, 0}, {64, 70000}, {65535, 0}, {65536, 0}, {0xFFFFFFFF, 0}}));
}

TEST_F(DatabaseTest, ImpossibleCountsAndWrongClassesAreArchiveErrors) {
    StreamBytes old;  // the old layout's plain count
    old.String("").Dword(0xFFFFFFFF).Dword(0);
    MemoryStream stream(old.bytes);
    CArchive ar(stream, CArchive::Mode::Load);
    EXPECT_THROW(log.ReadOldFormat(ar), ArchiveError);
    // 65535 workouts announced, two bytes there.
    StreamBytes counted;
    counted.ClassTag(0, "CDatabase").Word(0).Word(0).Word(0xFFFF).Dword(65535).Word(0);
    EXPECT_THROW(test::ReadTagged<CDatabase>(counted.bytes, "CDatabase"), ArchiveError);
    // A body-data slot holding an event.
    StreamBytes wrongClass;
    wrongClass.ClassTag(0, "CDatabase").Word(1).ClassTag(0, "CEvent");
    wrongClass.Long(0).Double(0).Long(0).Double(0).Dword(0).Long(-5);
    wrongClass.Word(0).Word(0).String("");
    EXPECT_THROW(test::ReadTagged<CDatabase>(wrongClass.bytes, "CDatabase"), ArchiveError);
}

}  // namespace
}  // namespace kadenzo
