#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "AppContext.h"
#include "Database.h"
#include "LogFixtures.h"
#include "StreamBytes.h"

namespace kadenzo {
namespace {

using test::MakeWorkout;
using test::StreamBytes;

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetApp();
        RegisterLogClasses();
        App().library = test::MakeLibrary();
    }
    void TearDown() override { ResetApp(); }

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
}

TEST_F(DatabaseTest, RemovingAndRedatingKeepPositionsAndTheIndex) {
    auto a = log.AddWorkout(Named(1.5, "a"));
    auto b = log.AddWorkout(Named(2.5, "b"));
    log.AddWorkout(Named(3.5, "c"));
    log.SetWorkoutDate(a, 3.5);
    EXPECT_EQ(Order(), "bca");
    EXPECT_EQ((*a)->notes, "a");

    auto replaced = log.ReplaceWorkout(b, Named(4.5, "B"));
    EXPECT_EQ(replaced->notes, "b");
    EXPECT_EQ(Order(), "caB");
    EXPECT_EQ((*b)->notes, "B");

    std::unique_ptr<CWorkOut> removed = log.RemoveWorkout(a);
    EXPECT_EQ(removed->notes, "a");
    EXPECT_EQ(Order(), "cB");
    EXPECT_TRUE(log.IndexIsConsistent());
    EXPECT_EQ(log.WorkoutsBetween(3.0, 4.0).size(), 1u);
}

// Random edits against a plain reference: the list stays sorted, the index stays
// in step and range queries find exactly what a walk of the list finds.
TEST_F(DatabaseTest, RangeQueriesAgreeWithAWalkAfterRandomEdits) {
    std::mt19937 random(7);
    auto day = [&] { return static_cast<double>(random() % 40) + 0.5; };
    std::vector<CDatabase::WorkoutPos> positions;
    int serial = 0;
    for (int step = 0; step < 600; ++step) {
        int action = static_cast<int>(random() % 6);
        auto w = MakeWorkout(day());
        w->notes = std::to_string(serial++);
        if (action <= 1 || positions.empty()) {
            positions.push_back(log.AddWorkout(std::move(w)));
        } else if (action == 2) {
            auto at = positions[random() % positions.size()];
            w->date = (*at)->date;
            positions.push_back(random() % 2 ? log.InsertWorkoutBefore(std::move(w), at)
                                             : log.InsertWorkoutAfter(std::move(w), at));
        } else if (action == 3) {
            std::size_t i = random() % positions.size();
            log.RemoveWorkout(positions[i]);
            positions.erase(positions.begin() + static_cast<std::ptrdiff_t>(i));
        } else if (action == 4) {
            log.SetWorkoutDate(positions[random() % positions.size()], day());
        } else {
            log.ReplaceWorkout(positions[random() % positions.size()], std::move(w));
        }
        ASSERT_TRUE(log.IndexIsConsistent());
    }
    ASSERT_TRUE(std::is_sorted(log.Workouts().begin(), log.Workouts().end(),
                               [](const auto& x, const auto& y) { return x->date < y->date; }));
    for (double from = 0; from < 41; from += 3) {
        std::vector<const CWorkOut*> walked;
        for (const auto& w : log.Workouts())
            if (w->date >= from && w->date < from + 7) walked.push_back(w.get());
        std::vector<const CWorkOut*> found;
        for (auto pos : log.WorkoutsBetween(from, from + 7)) found.push_back(pos->get());
        EXPECT_EQ(found, walked) << "from " << from;
    }
}

TEST_F(DatabaseTest, BodyInfoIsOnePerDateInDateOrder) {
    auto day = [](double v) { return CalendarDateTime{CalendarDateTime::kValid, v}; };
    auto withWeight = [&](double v, double weight) {
        CBodyInfo info(day(v));
        info.weight = weight;
        return info;
    };
    log.SetBodyInfo(withWeight(10.5, 70));
    log.SetBodyInfo(withWeight(30.5, 72));
    log.SetBodyInfo(withWeight(20.5, 71));    // between two dates
    log.SetBodyInfo(withWeight(40.5, 73));    // after all
    log.SetBodyInfo(withWeight(5.5, 69));     // before all
    log.SetBodyInfo(withWeight(20.5, 71.5));  // replaces
    std::vector<double> weights;
    for (const auto& info : log.BodyInfos()) weights.push_back(info->weight);
    EXPECT_EQ(weights, (std::vector<double>{69, 70, 71.5, 72, 73}));

    ASSERT_NE(log.FindBodyInfo(day(20.5)), nullptr);
    EXPECT_EQ(log.FindBodyInfo(day(20.5))->weight, 71.5);
    EXPECT_EQ(log.FindBodyInfo(day(21.5)), nullptr);
    EXPECT_EQ(log.FindBodyInfo({CalendarDateTime::kInvalid, 20.5}), nullptr);

    log.SetBodyInfo(CBodyInfo(day(30.5)));  // all zero, no note: removes
    log.RemoveBodyInfo(day(99.5));
    EXPECT_EQ(log.BodyInfos().size(), 4u);
    EXPECT_EQ(log.FindBodyInfo(day(30.5)), nullptr);
}

TEST_F(DatabaseTest, EmptyLogIsSevenBytesAndDeleteContentsClearsTheName) {
    EXPECT_EQ(test::Stored([&](CArchive& ar) { log.Serialize(ar); }),
              (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0}));
    log.name = "Season";
    log.AddWorkout(MakeWorkout(1.5));
    log.Events().push_back(std::make_unique<CEvent>());
    log.SetBodyInfo([] {
        CBodyInfo info;
        info.note = "x";
        return info;
    }());
    log.DeleteContents();
    EXPECT_EQ(log.name, "");
    EXPECT_EQ(log.WorkoutCount() + log.BodyInfos().size() + log.Events().size(), 0u);
}

TEST_F(DatabaseTest, ListsShareClassDescriptorsAndRoundTrip) {
    log.name = "Ironman";
    log.AddWorkout(MakeWorkout(45000.5));
    log.AddWorkout(MakeWorkout(45001.5, test::kFixedPulse));
    auto event = std::make_unique<CEvent>();
    event->kind = test::kIllness;
    log.Events().push_back(std::move(event));
    auto bytes = test::Stored([&](CArchive& ar) { ar.WriteObject(&log); });
    // Log is class 1 / object 2, CEvent class 3 / object 4, CWorkOut class 5:
    // the second workout carries 0x8000 + 5.
    std::vector<std::uint8_t> secondTag = {0x05, 0x80};
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), secondTag.begin(), secondTag.end()),
              bytes.end());

    auto back = test::ReadTagged<CDatabase>(bytes, "CDatabase");
    EXPECT_EQ(back->name, "Ironman");
    ASSERT_EQ(back->WorkoutCount(), 2u);
    EXPECT_EQ(back->Workouts().back()->templateId, test::kFixedPulse);
    EXPECT_TRUE(back->IndexIsConsistent());
    EXPECT_EQ(test::Stored([&](CArchive& ar) { ar.WriteObject(back.get()); }), bytes);
}

TEST_F(DatabaseTest, RemoveInvalidDropsRecordsWhoseLibraryItemsAreGone) {
    log.AddWorkout(MakeWorkout(1.5, 900));
    log.AddWorkout(MakeWorkout(2.5));
    log.AddWorkout(MakeWorkout(3.5, 901));
    for (std::int32_t kind : {-5, 3, 77}) {
        auto event = std::make_unique<CEvent>();
        event->kind = kind;
        log.Events().push_back(std::move(event));
    }
    CDatabase::DropCounts dropped = log.RemoveInvalid(App().library.get());
    EXPECT_EQ(dropped.workouts, 2u);
    EXPECT_EQ(dropped.events, 1u);
    EXPECT_EQ(log.WorkoutCount(), 1u);
    EXPECT_EQ(log.Events().size(), 2u);
    EXPECT_TRUE(log.IndexIsConsistent());
    EXPECT_EQ(log.RemoveInvalid(nullptr).Total(), 2u);  // without a library only -5 stays
}

TEST_F(DatabaseTest, ReadsTheOldLayoutAndRefusesImpossibleCounts) {
    StreamBytes b;
    b.String("Old log").Dword(1);
    b.Double(100.5).Float(42).Dword(0).Dword(test::kTempoRun).String("").String("");
    b.Dword(0).Dword(test::kRun).Dword(0).Float(40).Float(180).String("").String("");
    b.Byte(0).Dword(0).Dword(0).Dword(0).Byte(0).Dword(0);
    {
        MemoryStream stream(b.bytes);
        CArchive ar(stream, CArchive::Mode::Load);
        log.ReadOldFormat(ar);
    }
    EXPECT_EQ(log.name, "Old log");
    ASSERT_EQ(log.WorkoutCount(), 1u);
    EXPECT_EQ(log.Workouts().front()->plannedDistance, 42.0);
    EXPECT_EQ(log.Workouts().front()->duration, 180.0);

    StreamBytes huge;
    huge.String("").Dword(0xFFFFFFFF).Dword(0);
    MemoryStream stream(huge.bytes);
    CArchive ar(stream, CArchive::Mode::Load);
    CDatabase other;
    EXPECT_THROW(other.ReadOldFormat(ar), ArchiveError);
}

TEST_F(DatabaseTest, MalformedListsAreArchiveErrors) {
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
