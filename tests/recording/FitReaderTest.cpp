// Record messages of a FIT file as the samples of a recording.
#include <gtest/gtest.h>

#include "FitBytes.h"
#include "FitReader.h"
#include "RecordingFiles.h"

namespace kadenzo {
namespace {

using namespace testing;
using FitReaderTest = ReaderTest;

constexpr std::int64_t kStart = 1376676310;  // 2013-08-16 18:05:10 UTC
constexpr std::uint64_t kNoUint8 = 0xFF, kNoUint16 = 0xFFFF, kNoUint32 = 0xFFFFFFFF;

// Record fields: timestamp, heart rate, cadence, distance (cm), altitude,
// power, temperature, enhanced altitude.
FitWriter Records(const std::vector<std::vector<std::uint64_t>>& rows) {
    FitWriter w;
    w.Define(0, 0, {{253, 4, kUint32}}).Data(0, {FitTime(kStart) - 60});  // file id: not a record
    w.Define(1, kFitRecord,
             {{253, 4, kUint32},
              {3, 1, kUint8},
              {4, 1, kUint8},
              {5, 4, kUint32},
              {2, 2, kUint16},
              {7, 2, kUint16},
              {13, 1, kSint8},
              {78, 4, kUint32}});
    for (const std::vector<std::uint64_t>& row : rows) w.Data(1, row);
    return w;
}

TEST_F(FitReaderTest, RecordFieldsBecomeChannelsInTheirUnits) {
    const std::string file = Records({
                                         {FitTime(kStart), 95, 80, 150, 2600, 210, 0xF6, kNoUint32},
                                         {FitTime(kStart) + 1, 97, 82, 123456, 2605, 230, 21, 3000},
                                     })
                                 .File();
    CRecording r;
    r.title = "old";
    LoadResult result = ReadFit(r, file, context_);
    ASSERT_EQ(result.status, LoadStatus::kLoaded) << result.message;
    EXPECT_EQ(r.start, kStart);
    EXPECT_EQ(r.title, "");
    ASSERT_EQ(r.count(), 2);
    const RecordingSample& s = r.samples[0];
    EXPECT_EQ(s.time, 0);
    EXPECT_EQ(s.heartRate, 95);
    EXPECT_EQ(s.cadence, 80);
    EXPECT_EQ(s.distance, 1);   // 1.5 m, truncated
    EXPECT_EQ(s.altitude, 20);  // 2600 / 5 - 500
    EXPECT_EQ(s.power, 210);
    EXPECT_EQ(s.temperature, -10);
    EXPECT_EQ(r.samples[1].time, 1);
    EXPECT_EQ(r.samples[1].distance, 1234);
    EXPECT_EQ(r.samples[1].altitude, 100);  // the enhanced altitude wins

    context_.units.distance = 1;
    ASSERT_EQ(ReadFit(r, file, context_).status, LoadStatus::kLoaded);
    EXPECT_EQ(r.samples[1].distance, 766);  // trunc(1234.56 * 0.621)
}

TEST_F(FitReaderTest, InvalidValuesLeaveZerosAndTheDistanceWhereItWas) {
    const std::uint64_t t = FitTime(kStart);
    CRecording r;
    ASSERT_EQ(
        ReadFit(
            r,
            Records({{t, 100, 80, 50000, 2600, 200, 20, kNoUint32},
                     {t + 1, kNoUint8, kNoUint8, kNoUint32, kNoUint16, kNoUint16, 0x7F, kNoUint32}})
                .File(),
            context_)
            .status,
        LoadStatus::kLoaded);
    ASSERT_EQ(r.count(), 2);
    const RecordingSample& s = r.samples[1];
    EXPECT_EQ(s.distance, 500);
    for (int c :
         {kChannelAltitude, kChannelTemperature, kChannelCadence, kChannelPower, kChannelHeartRate})
        EXPECT_EQ(s.Channel(c), 0.0f) << c;
}

TEST_F(FitReaderTest, TimesKeepGapsMergeRepeatsAndDropClocksSetBack) {
    const std::uint64_t t = FitTime(kStart);
    const std::uint64_t none = kNoUint32;
    CRecording r;
    ASSERT_EQ(ReadFit(r,
                      Records({{t, 100, kNoUint8, 0, kNoUint16, kNoUint16, 0x7F, none},
                               {t + 30, 110, kNoUint8, 9000, kNoUint16, kNoUint16, 0x7F, none},
                               {t + 30, kNoUint8, 85, none, kNoUint16, kNoUint16, 0x7F, none},
                               {t + 10, 999, 999, 1, kNoUint16, kNoUint16, 0x7F, none},
                               {t + 31, 112, kNoUint8, 9500, kNoUint16, kNoUint16, 0x7F, none}})
                          .File(),
                      context_)
                  .status,
              LoadStatus::kLoaded);
    ASSERT_EQ(r.count(), 3);
    EXPECT_EQ(r.samples[1].time, 30);
    EXPECT_EQ(r.samples[1].heartRate, 110);  // kept by the repeat, which adds the cadence
    EXPECT_EQ(r.samples[1].cadence, 85);
    EXPECT_EQ(r.samples[1].distance, 90);
    EXPECT_EQ(r.samples[2].time, 31);
}

TEST_F(FitReaderTest, CompressedSpeedAndDistanceAddUpOverTheCounterRollover) {
    FitWriter w;
    w.Define(0, kFitRecord, {{253, 4, kUint32}}).Data(0, {FitTime(kStart)});
    w.Define(1, kFitRecord, {{8, 3, kByte}, {3, 1, kUint8}});
    // Distance counter in sixteenths of a metre in the upper 12 of 24 bits:
    // 4000, then 100 after rolling over at 4096 (196 sixteenths later).
    const int t = static_cast<int>(FitTime(kStart));  // the header keeps its low five bits
    w.Compressed(1, t + 1, {4000u << 12, 120}).Compressed(1, t + 2, {100u << 12, 121});
    CRecording r;
    ASSERT_EQ(ReadFit(r, w.File(), context_).status, LoadStatus::kLoaded);
    ASSERT_EQ(r.count(), 3);
    EXPECT_EQ(r.samples[1].distance, 250);  // 4000 / 16
    EXPECT_EQ(r.samples[2].distance, 262);  // 4196 / 16 = 262.25
    EXPECT_EQ(r.samples[2].time, 2);
}

TEST_F(FitReaderTest, EachKindOfFaultHasItsStatus) {
    const std::string whole = Records({{FitTime(kStart), 100, 0, 0, 0, 0, 0, 0},
                                       {FitTime(kStart) + 1, 101, 0, 0, 0, 0, 0, 0}})
                                  .File();
    CRecording r;
    LoadResult cut = ReadFit(r, whole.substr(0, whole.size() - 5), context_);
    EXPECT_EQ(cut.status, LoadStatus::kCutShort);
    EXPECT_EQ(cut.message, "is cut short: it ends after " + std::to_string(whole.size() - 5) +
                               " of " + std::to_string(whole.size()) + " bytes");
    EXPECT_EQ(r.count(), 1);

    std::string damaged = whole;
    damaged[damaged.size() - 3] ^= 1;
    LoadResult bad = ReadFit(r, damaged, context_);
    EXPECT_EQ(bad.status, LoadStatus::kDamaged);
    EXPECT_EQ(bad.message, "is damaged: its checksum does not match");
    EXPECT_EQ(r.count(), 0);
    EXPECT_EQ(r.start, 777);  // "now"

    EXPECT_EQ(ReadFit(r, "<gpx/>", context_).status, LoadStatus::kNotRecognised);
    EXPECT_EQ(ReadFit(r, Records({}).File(), context_).status, LoadStatus::kNoSamples);
}

}  // namespace
}  // namespace kadenzo
