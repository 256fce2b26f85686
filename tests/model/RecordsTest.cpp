// The records of the training log: workouts, body data and events, as they
// are stored, compared and checked against the library.
#include <gtest/gtest.h>

#include <cstring>

#include "BodyInfo.h"
#include "Database.h"
#include "Event.h"
#include "LogFixtures.h"
#include "StreamBytes.h"
#include "WorkOut.h"

namespace kadenzo {
namespace {

using test::StreamBytes;

constexpr double kPast = 45000.5;    // 15 March 2023
constexpr double kFuture = 46000.5;  // 10 December 2025

constexpr double kToday = 45352.5;  // 1 March 2024

class WorkOutTest : public ::testing::Test {
protected:
    static std::vector<std::uint8_t> Store(CWorkOut& workout) {
        return test::Stored([&](CArchive& ar) { workout.Serialize(ar); });
    }
    bool FixIfDue(CWorkOut& workout) {
        return workout.FixTargetsIfDue(kToday, *library,
                                       [this](const CWorkOut&) { return maxHeartRate; });
    }
    void Compute(CWorkOut& workout, bool force) {
        workout.ComputeTargetPulse(
            *library, [this](const CWorkOut&) { return maxHeartRate; }, force);
    }

    std::unique_ptr<CLibrary> library = test::MakeLibrary();
    std::int32_t maxHeartRate = 190;
};

// Every field with its own value, so that a field written in the wrong place shows.
CWorkOut FullWorkout(double date) {
    CWorkOut w;
    w.date = date;
    w.plannedDistance = 12.5;
    w.plannedDuration = 65.25;
    w.templateId = test::kTempoRun;
    w.planFilePath = "plan.txt";
    w.planNote = "steady";
    w.planFlag = 1;
    w.sportId = test::kRun;
    w.distance = 12.75;
    w.duration = 66.5;
    w.partDistance = 10;
    w.partDuration = 50.5;
    w.recordingPath = "run.hrm";
    w.notes = "windy";
    w.averagePulse = 151;
    w.partAveragePulse = 155;
    w.subSportId = test::kHills;
    w.intensityId = test::kEasy;
    w.trackId = test::kRiverLoop;
    w.maxPulse = 178;
    w.partMaxPulse = 176;
    w.maxPulseTest = 1;
    w.marker1 = 20;
    w.marker2 = 800;
    return w;
}

TEST_F(WorkOutTest, FutureWorkoutIsStoredWithOpenTargets) {
    CWorkOut w = FullWorkout(kFuture);
    StreamBytes expected;
    expected.Double(kFuture).Double(12.5).Double(65.25).Dword(test::kTempoRun);
    expected.String("plan.txt").String("steady").Dword(1).Dword(test::kRun);
    expected.Dword(0);  // targetFixed, no target bytes follow
    expected.Double(12.75).Double(66.5).Double(10).Double(50.5);
    expected.String("run.hrm").String("windy").Byte(151).Byte(155);
    expected.Dword(test::kHills).Dword(test::kEasy).Dword(test::kRiverLoop);
    expected.Byte(178).Byte(176).Dword(1).Long(20).Long(800);
    EXPECT_FALSE(FixIfDue(w));
    EXPECT_EQ(Store(w), expected.bytes);
    EXPECT_EQ(w.targetFixed, 0u);
    EXPECT_TRUE(test::ExpectRereadAsWritten(w)->IsEqual(w));
}

TEST_F(WorkOutTest, PastWorkoutFixesItsTargetsOnce) {
    CWorkOut w = FullWorkout(kPast);
    w.maxPulseTest = 0;
    const std::vector<std::uint8_t> open = Store(w);  // storing alone changes nothing
    EXPECT_EQ(Store(w), open);
    EXPECT_TRUE(FixIfDue(w));
    std::vector<std::uint8_t> first = Store(w);
    // targetFixed 1 and the two bytes, high first, after the sport id; 75 % of 190 is
    // 142.5, truncated.
    std::size_t at = 8 + 8 + 8 + 4 + 9 + 7 + 4 + 4;
    EXPECT_EQ(std::vector<std::uint8_t>(first.begin() + at, first.begin() + at + 6),
              (std::vector<std::uint8_t>{1, 0, 0, 0, 142, 114}));
    EXPECT_EQ(test::ExpectRereadAsWritten(w)->targetPulseLow, 114);
    maxHeartRate = 150;  // later profile changes leave fixed targets alone
    EXPECT_FALSE(FixIfDue(w));
    EXPECT_EQ(Store(w), first);
}

TEST_F(WorkOutTest, AbsoluteTargetsKeepTheLowByteAndFixedOnesStay) {
    CWorkOut absolute = *test::MakeWorkout(kFuture, test::kFixedPulse);
    Compute(absolute, false);
    EXPECT_EQ(absolute.targetPulseLow, 50);
    EXPECT_EQ(absolute.targetPulseHigh, 44);  // 300 keeps its low 8 bits

    absolute.targetFixed = 1;
    absolute.targetPulseHigh = 99;
    Compute(absolute, false);
    EXPECT_EQ(absolute.targetPulseHigh, 99);
    Compute(absolute, true);
    EXPECT_EQ(absolute.targetPulseHigh, 44);

    CWorkOut orphan = *test::MakeWorkout(kFuture, 999);  // its template is gone
    orphan.targetPulseHigh = 7;
    Compute(orphan, true);
    EXPECT_EQ(orphan.targetPulseHigh, 7);
}

// Schemas 0 and 1 hold floats, widened rather than rounded; the markers came
// with schema 1.
TEST_F(WorkOutTest, OldSchemasHaveFloatsAndSchemaOneAddsMarkers) {
    for (std::uint16_t schema : {0, 1}) {
        SCOPED_TRACE(schema);
        StreamBytes b;
        b.ClassTag(schema, "CWorkOut").Double(kPast).Float(0.1f).Float(60.0f);
        b.Dword(test::kTempoRun).String("").String("note").Dword(0).Dword(test::kRun);
        b.Dword(1).Byte(150).Byte(120).Float(12.25f).Float(61.5f).Float(3.5f).Float(20.0f);
        b.String("a.hrm").String("").Byte(140).Byte(145).Dword(0).Dword(test::kEasy).Dword(0);
        b.Byte(170).Byte(160).Dword(1);
        if (schema == 1) b.Long(5).Long(7);
        auto w = test::ReadTagged<CWorkOut>(b.bytes, "CWorkOut");
        EXPECT_EQ(w->plannedDistance, static_cast<double>(0.1f));
        EXPECT_EQ(w->plannedDuration, 60.0);
        EXPECT_EQ(w->planNote, "note");
        EXPECT_EQ(w->distance, 12.25);
        EXPECT_EQ(w->partDuration, 20.0);
        EXPECT_EQ(w->recordingPath, "a.hrm");
        EXPECT_EQ(w->intensityId, test::kEasy);
        EXPECT_EQ(w->partMaxPulse, 160);
        EXPECT_EQ(w->maxPulseTest, 1u);
        EXPECT_EQ(w->marker1, schema == 1 ? 5 : -1);
        EXPECT_EQ(w->marker2, schema == 1 ? 7 : -1);
        EXPECT_EQ(w->targetFixed, 1u);
        EXPECT_EQ(w->targetPulseHigh, 150);
        EXPECT_EQ(w->targetPulseLow, 120);
    }
}

TEST_F(WorkOutTest, RawRecordsHoldOnePlannedValueWithASelector) {
    auto raw = [](float planned, std::uint32_t selector) {
        StreamBytes b;
        b.Double(kPast).Float(planned).Dword(selector).Dword(test::kTempoRun).String("");
        b.String("").Dword(0).Dword(test::kRun).Dword(0).Float(8.5f).Float(45).String("");
        b.String("old").Byte(130).Dword(0).Dword(0).Dword(0).Byte(165).Dword(0);
        return test::ReadRaw<CWorkOut>(b.bytes);
    };
    auto duration = raw(90, 1);
    EXPECT_EQ(duration->plannedDuration, 90.0);
    EXPECT_EQ(duration->plannedDistance, 0.0);
    EXPECT_EQ(duration->notes, "old");
    EXPECT_EQ(duration->maxPulse, 165);
    EXPECT_EQ(duration->marker1, -1);
    EXPECT_EQ(raw(21, 0)->plannedDistance, 21.0);
}

// An edit that compares equal to the stored record is skipped, so a field the
// comparison missed would be a change the file never gets. Read back with any
// one stored byte raised by one, the record must compare unequal; a raised
// length or flag may leave no record to compare at all.
template <class T>
void ExpectEveryStoredByteCompared(T& record) {
    const auto bytes = test::Stored([&](CArchive& ar) { ar.WriteObject(&record); });
    const std::size_t tag = 6 + std::strlen(record.ClassName());
    std::size_t compared = 0;
    for (std::size_t i = tag; i < bytes.size(); ++i) {
        auto changed = bytes;
        ++changed[i];
        std::unique_ptr<T> read;
        try {
            read = test::ReadTagged<T>(changed, record.ClassName());
        } catch (const ArchiveError&) {
            continue;
        }
        EXPECT_FALSE(read->IsEqual(record)) << record.ClassName() << " byte " << i;
        ++compared;
    }
    EXPECT_GT(compared, (bytes.size() - tag) / 2) << record.ClassName();
}

TEST_F(WorkOutTest, EveryStoredFieldCountsInTheComparisonAndOnlyTheTargetsDoNot) {
    CWorkOut w = FullWorkout(kFuture);
    ExpectEveryStoredByteCompared(w);
    CBodyInfo info(CalendarDateTime{CalendarDateTime::kValid, 45000.5});
    info.weight = 71.3;
    info.value2 = 12.5;
    info.value3 = 48;
    info.note = "rested";
    ExpectEveryStoredByteCompared(info);
    CEvent event;
    event.start = {CalendarDateTime::kValid, 45000.5};
    event.end = {CalendarDateTime::kValid, 45003.5};
    event.blocksDay = 1;
    event.kind = test::kIllness;
    ExpectEveryStoredByteCompared(event);

    CWorkOut b = w;
    b.targetPulseHigh = 10;
    b.targetFixed = 1;
    EXPECT_TRUE(w.IsEqual(b));
    EXPECT_EQ(CWorkOut(b, true).targetFixed, 0u);
    EXPECT_EQ(CWorkOut(b, false).targetPulseHigh, 10);
}

TEST_F(WorkOutTest, ValidateNeedsTheTemplateAndResetsOtherMissingItems) {
    CWorkOut w = FullWorkout(kPast);
    library->tracks.RemoveAt(0);
    w.intensityId = 555;
    EXPECT_TRUE(w.Validate(library.get()));
    EXPECT_EQ(w.trackId, 0u);
    EXPECT_EQ(w.intensityId, 0u);
    EXPECT_EQ(w.subSportId, test::kHills);

    w.templateId = 555;
    EXPECT_FALSE(w.Validate(library.get()));
    EXPECT_FALSE(FullWorkout(kPast).Validate(nullptr));
}

TEST_F(WorkOutTest, BodyInfoStoresDoublesAndReadsSchemaZeroAndRawFloats) {
    CBodyInfo info(CalendarDateTime{CalendarDateTime::kValid, 45000.5});
    info.weight = 71.3;
    info.value2 = 12.5;
    info.value3 = -4;
    info.note = "after holiday";
    StreamBytes expected;
    expected.Long(0).Double(45000.5).Double(12.5).Double(71.3).Long(-4).String("after holiday");
    EXPECT_EQ(test::Stored([&](CArchive& ar) { info.Serialize(ar); }), expected.bytes);
    EXPECT_TRUE(test::ExpectRereadAsWritten(info)->IsEqual(info));

    StreamBytes old;
    old.ClassTag(0, "CBodyInfo").Long(1).Double(44000.5).Float(12.5f).Float(71.3f).Long(60);
    old.String("");
    auto read = test::ReadTagged<CBodyInfo>(old.bytes, "CBodyInfo");
    EXPECT_EQ(read->date, (CalendarDateTime{CalendarDateTime::kInvalid, 44000.5}));
    EXPECT_EQ(read->weight, static_cast<double>(71.3f));
    EXPECT_EQ(read->value2, 12.5);
    EXPECT_EQ(read->value3, 60);

    StreamBytes raw;
    raw.Long(0).Double(1).Float(2).Float(3).Long(4).String("x");
    auto rawInfo = test::ReadRaw<CBodyInfo>(raw.bytes);
    EXPECT_EQ(rawInfo->weight, 3.0);
    EXPECT_EQ(rawInfo->note, "x");
}

TEST_F(WorkOutTest, EventLayout) {
    CEvent event;
    event.start = {CalendarDateTime::kValid, 45000.5};
    event.end = {CalendarDateTime::kNull, 45003.5};
    event.blocksDay = 1;
    event.kind = test::kIllness;
    auto stored = test::Stored([&](CArchive& ar) { ar.WriteObject(&event); });
    StreamBytes expected;
    expected.ClassTag(0, "CEvent").Long(0).Double(45000.5).Long(2).Double(45003.5).Dword(1).Long(3);
    EXPECT_EQ(stored, expected.bytes);
    EXPECT_TRUE(test::ExpectRereadAsWritten(event)->IsEqual(event));
}

}  // namespace
}  // namespace kadenzo
