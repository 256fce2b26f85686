#include <gtest/gtest.h>

#include <cmath>

#include "RecordingSummary.h"

namespace kadenzo {
namespace {

// 31 samples every 10 s moving 50 m each; samples standFrom+1 ... standTo stand
// still at heart rate 90.
CRecording Ride(int standFrom = -1, int standTo = -1) {
    CRecording r;
    for (int i = 0, distance = 0; i <= 30; ++i) {
        bool standing = i > standFrom && i <= standTo;
        if (i > 0 && !standing) distance += 50;
        r.samples.push_back({{}, i * 10, distance, 0, 0, 0, 0, 0, 0, standing ? 90.0f : 150.0f});
    }
    return r;
}

TEST(RecordingSummaryTest, StandstillsOverSixtySecondsAreLeftOutOnRequest) {
    CRecording r = Ride(10, 19);  // 90 s standing
    RangeSummary with = SummariseRange(r, 0, 30, false);
    EXPECT_FLOAT_EQ(with.distance, 1.05f);
    EXPECT_FLOAT_EQ(with.duration, 300);
    EXPECT_FLOAT_EQ(with.average, (22 * 150.0f + 9 * 90.0f) / 31);
    EXPECT_FLOAT_EQ(with.maximum, 150);
    RangeSummary without = SummariseRange(r, 0, 30, true);
    EXPECT_FLOAT_EQ(without.duration, 210);
    EXPECT_FLOAT_EQ(without.average, 150);
    EXPECT_FLOAT_EQ(without.distance, 1.05f);

    EXPECT_FLOAT_EQ(SummariseRange(Ride(10, 16), 0, 30, true).duration, 300);  // exactly 60 s
    EXPECT_FLOAT_EQ(SummariseRange(Ride(20, 30), 0, 30, true).duration, 200);  // open at the end

    // The time in the zones leaves out the same pauses. At 170 the standstill's
    // 90 is in the lowest zone, the riding 150 in the fourth.
    EXPECT_EQ(TimeInZones(r, 0, 30, 170, false), (ZoneSeconds{90, 0, 0, 210, 0}));
    EXPECT_EQ(TimeInZones(r, 0, 30, 170, true), (ZoneSeconds{0, 0, 0, 210, 0}));
    EXPECT_EQ(TimeInZones(Ride(10, 16), 0, 30, 170, true), (ZoneSeconds{60, 0, 0, 240, 0}));
    EXPECT_EQ(TimeInZones(Ride(20, 30), 0, 30, 170, true), (ZoneSeconds{0, 0, 0, 200, 0}));
}

TEST(RecordingSummaryTest, MarkersInEitherOrderOrOutsideTheRecording) {
    CRecording r = Ride(10, 19);
    RangeSummary forward = SummariseRange(r, 5, 25, true);
    RangeSummary backward = SummariseRange(r, 25, 5, true);
    EXPECT_FLOAT_EQ(forward.duration, 110);
    EXPECT_EQ(backward.duration, 110);
    EXPECT_EQ(backward.average, forward.average);
    EXPECT_FLOAT_EQ(SummariseRange(r, -40, 9000, false).duration, 300);
}

TEST(RecordingSummaryTest, EmptyAndExtremeRecordingsGiveFiniteFigures) {
    RangeSummary empty = SummariseRange(CRecording(), 0, -1, true);
    EXPECT_EQ(empty.distance + empty.duration + empty.average + empty.maximum, 0);
    // Without distance everything after the first sample is one pause.
    RangeSummary still = SummariseRange(Ride(0, 30), 0, 30, true);
    EXPECT_FLOAT_EQ(still.duration, 0);
    EXPECT_FLOAT_EQ(still.average, 150);

    CRecording wild = Ride();
    wild.samples[0] = {{}, INT32_MAX, INT32_MIN};
    wild.samples[1] = {{}, INT32_MIN, INT32_MAX};
    RangeSummary w = SummariseRange(wild, 0, 1, false);
    EXPECT_FLOAT_EQ(w.distance, 4294967.295f);
    EXPECT_FLOAT_EQ(w.duration, -4294967295.0f);
}

TEST(RecordingSummaryTest, HeartRateZonesOfAMaximumOf190) {
    struct Case {
        double heartRate;
        int zone;
    };
    const Case cases[] = {{94.9, -1}, {95, 0},  {113.9, 0}, {114, 1}, {133, 2},  {152, 3},
                          {170.9, 3}, {171, 4}, {190, 4},   {250, 4}, {NAN, -1}, {-5, -1}};
    for (const Case& c : cases) EXPECT_EQ(HeartRateZone(c.heartRate, 190), c.zone) << c.heartRate;
    EXPECT_EQ(HeartRateZone(150, 0), -1);
}

TEST(RecordingSummaryTest, TimeInZonesCountsEachStepAtItsEndsHeartRate) {
    CRecording r = Ride(10, 19);            // 150 (zone 2 of 200) but 90 (none) while standing
    r.samples[5].heartRate = 100;           // on the lowest boundary
    r.samples[6].time = r.samples[5].time;  // no time passes
    r.samples[6].heartRate = 200;
    EXPECT_EQ(TimeInZones(r, 0, 30, 200), (ZoneSeconds{10, 0, 200, 0, 0}));
    EXPECT_EQ(TimeInZones(r, 30, 4, 200), (ZoneSeconds{10, 0, 160, 0, 0}));
    EXPECT_EQ(TimeInZones(r, 0, 30, 0), ZoneSeconds{});
    EXPECT_EQ(TimeInZones(CRecording(), 0, 30, 200), ZoneSeconds{});
}

}  // namespace
}  // namespace kadenzo
