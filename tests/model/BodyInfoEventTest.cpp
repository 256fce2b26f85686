#include <gtest/gtest.h>

#include <initializer_list>
#include <random>

#include "BodyInfo.h"
#include "Database.h"
#include "Event.h"
#include "LibraryItems.h"
#include "LogFixtures.h"
#include "StreamBytes.h"

namespace kadenzo {
namespace {

using test::StreamBytes;

class RecordTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterLogClasses(); }
};

TEST_F(RecordTest, BodyInfoStoresDoublesAndReadsSchemaZeroAndRawFloats) {
    CBodyInfo info(CalendarDateTime{CalendarDateTime::kValid, 45000.5});
    info.weight = 71.3;
    info.value2 = 12.5;
    info.value3 = -4;
    info.note = "after holiday";
    StreamBytes expected;
    expected.Long(0).Double(45000.5).Double(12.5).Double(71.3).Long(-4).String("after holiday");
    EXPECT_EQ(test::Stored([&](CArchive& ar) { info.Serialize(ar); }), expected.bytes);

    StreamBytes old;
    old.ClassTag(0, "CBodyInfo").Long(1).Double(44000.5).Float(12.5f).Float(71.3f).Long(60);
    old.String("");
    auto read = test::ReadTagged<CBodyInfo>(old.bytes, "CBodyInfo");
    EXPECT_EQ(read->date, (CalendarDateTime{CalendarDateTime::kInvalid, 44000.5}));
    EXPECT_EQ(read->weight, static_cast<double>(71.3f));
    EXPECT_EQ(read->value3, 60);

    StreamBytes raw;
    raw.Long(0).Double(1).Float(2).Float(3).Long(4).String("x");
    auto rawInfo = test::ReadRaw<CBodyInfo>(raw.bytes);
    EXPECT_EQ(rawInfo->weight, 3.0);
    EXPECT_EQ(rawInfo->note, "x");
}

TEST_F(RecordTest, EventLayout) {
    CEvent event;
    event.start = {CalendarDateTime::kValid, 45000.5};
    event.end = {CalendarDateTime::kValid, 45003.5};
    event.blocksDay = 1;
    event.kind = test::kIllness;
    auto stored = test::Stored([&](CArchive& ar) { ar.WriteObject(&event); });
    StreamBytes expected;
    expected.ClassTag(0, "CEvent").Long(0).Double(45000.5).Long(0).Double(45003.5).Dword(1).Long(3);
    EXPECT_EQ(stored, expected.bytes);
}

// Deterministic pseudo-random values for the round trips below.
class Values {
public:
    double Double() { return std::uniform_real_distribution<double>(-1e6, 1e6)(random_); }
    float Float() { return std::uniform_real_distribution<float>(-1e4f, 1e4f)(random_); }
    std::uint32_t Dword() { return static_cast<std::uint32_t>(random_()); }
    std::int32_t Long() { return static_cast<std::int32_t>(random_()); }
    std::uint8_t Byte() { return static_cast<std::uint8_t>(random_()); }
    // Lengths on both sides of the one-byte length prefix; Windows-1252 bytes.
    std::string String() {
        std::string s(random_() % 300, ' ');
        for (char& c : s) c = static_cast<char>(32 + random_() % 224);
        return s;
    }
    CalendarDateTime Date() { return {static_cast<std::int32_t>(random_() % 3), Double()}; }

private:
    std::mt19937 random_{20240318};
};

// Writes the record as an object and reads it back; writing what was read
// must give the same bytes, so no field is swapped, lost or shifted.
template <class T>
std::unique_ptr<T> WrittenAndRead(T& record) {
    const auto bytes = test::Stored([&](CArchive& ar) { ar.WriteObject(&record); });
    auto back = test::ReadTagged<T>(bytes, record.ClassName());
    EXPECT_EQ(test::Stored([&](CArchive& ar) { ar.WriteObject(back.get()); }), bytes);
    return back;
}

TEST_F(RecordTest, EveryRecordSurvivesWriteAndReadWithGeneratedValues) {
    RegisterLibraryClasses();
    Values v;
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        CWorkOut w;
        for (double* d : {&w.plannedDistance, &w.plannedDuration, &w.distance, &w.duration,
                          &w.partDistance, &w.partDuration, &w.date})
            *d = v.Double();
        for (std::string* s : {&w.planFilePath, &w.planNote, &w.recordingPath, &w.notes})
            *s = v.String();
        for (std::uint32_t* u : {&w.planFlag, &w.templateId, &w.sportId, &w.subSportId,
                                 &w.intensityId, &w.trackId, &w.maxPulseTest})
            *u = v.Dword();
        for (std::uint8_t* b : {&w.targetPulseLow, &w.targetPulseHigh, &w.averagePulse,
                                &w.maxPulse, &w.partAveragePulse, &w.partMaxPulse})
            *b = v.Byte();
        w.targetFixed = round % 2;  // the target bytes are stored only when fixed
        w.marker1 = v.Long();
        w.marker2 = v.Long();
        auto workout = WrittenAndRead(w);
        EXPECT_TRUE(workout->IsEqual(w));
        EXPECT_EQ(workout->targetFixed, w.targetFixed);
        if (w.targetFixed) {
            EXPECT_EQ(workout->targetPulseLow, w.targetPulseLow);
            EXPECT_EQ(workout->targetPulseHigh, w.targetPulseHigh);
        }

        CBodyInfo info(v.Date());
        info.note = v.String();
        info.weight = v.Double();
        info.value2 = v.Double();
        info.value3 = v.Long();
        EXPECT_TRUE(WrittenAndRead(info)->IsEqual(info));

        CEvent event;
        event.start = v.Date();
        event.end = v.Date();
        event.blocksDay = v.Dword();
        event.kind = v.Long();
        EXPECT_TRUE(WrittenAndRead(event)->IsEqual(event));

        CLibCategory category;
        category.colour = v.Dword();
        CLibIntensity intensity;
        intensity.level = v.Long();
        CLibSubSport subSport;
        subSport.sportId = v.Dword();
        CLibEvent kind;
        kind.colour = v.Dword();
        CLibSport sport;
        sport.iconId = v.Dword();
        sport.hasDistance = v.Dword();
        sport.active = v.Dword();
        CLibTrack track;
        track.distance = v.Float();
        track.climb = v.Float();
        track.sportId = v.Dword();
        CLibWorkout workoutTemplate;
        workoutTemplate.categoryId = v.Dword();
        workoutTemplate.sportId = v.Dword();
        workoutTemplate.comment = v.String();
        workoutTemplate.pulseLow = v.Dword();
        workoutTemplate.pulseHigh = v.Dword();
        workoutTemplate.pulseRelative = v.Dword();
        for (CLibraryBaseItem* item : std::initializer_list<CLibraryBaseItem*>{
                 &category, &intensity, &subSport, &kind, &sport, &track, &workoutTemplate}) {
            item->id = v.Dword();
            item->name = v.String();
        }
        EXPECT_EQ(WrittenAndRead(category)->colour, category.colour);
        EXPECT_EQ(WrittenAndRead(intensity)->level, intensity.level);
        EXPECT_EQ(WrittenAndRead(subSport)->sportId, subSport.sportId);
        EXPECT_EQ(WrittenAndRead(kind)->name, kind.name);
        EXPECT_EQ(WrittenAndRead(sport)->active, sport.active);
        EXPECT_EQ(WrittenAndRead(track)->climb, track.climb);
        EXPECT_EQ(WrittenAndRead(workoutTemplate)->id, workoutTemplate.id);
    }
}

}  // namespace
}  // namespace kadenzo
