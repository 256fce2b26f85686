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
constexpr std::uint64_t kNo8 = 0xFF, kNo16 = 0xFFFF, kNo32 = 0xFFFFFFFF;

// A file id message (not a record), then records of: time, heart rate,
// cadence, distance (cm), altitude, power, temperature, enhanced altitude;
// fields a row leaves out hold their invalid values.
std::string Records(const std::vector<std::vector<std::uint64_t>>& rows) {
    FitWriter w;
    w.Define(0, 0, {{253, 4, kUint32}}).Data(0, {FitTime(kStart) - 60});
    w.Define(1, kFitRecord,
             {{253, 4, kUint32},
              {3, 1, kUint8},
              {4, 1, kUint8},
              {5, 4, kUint32},
              {2, 2, kUint16},
              {7, 2, kUint16},
              {13, 1, kSint8},
              {78, 4, kUint32}});
    const std::uint64_t invalid[] = {kNo32, kNo8, kNo8, kNo32, kNo16, kNo16, 0x7F, kNo32};
    for (std::vector<std::uint64_t> row : rows) {
        for (std::size_t i = row.size(); i < std::size(invalid); ++i) row.push_back(invalid[i]);
        w.Data(1, row);
    }
    return w.File();
}

TEST_F(FitReaderTest, RecordFieldsBecomeChannelsInTheirUnits) {
    const std::uint64_t t = FitTime(kStart);
    const std::string file = Records({{t, 95, 80, 150, 2600, 210, 0xF6, kNo32},
                                      {t + 1, 97, 82, 123456, 2605, 230, 21, 3000},
                                      {t + 2}});
    CRecording r;
    r.title = "old";
    ASSERT_EQ(ReadFit(r, file, context_).status, LoadStatus::kLoaded);
    EXPECT_EQ(r.start, kStart);
    EXPECT_EQ(r.title, "");
    ASSERT_EQ(r.count(), 3);
    const RecordingSample& s = r.samples[0];
    EXPECT_EQ(s.heartRate, 95);
    EXPECT_EQ(s.cadence, 80);
    EXPECT_EQ(s.distance, 1);   // 1.5 m
    EXPECT_EQ(s.altitude, 20);  // 2600 / 5 - 500
    EXPECT_EQ(s.power, 210);
    EXPECT_EQ(s.temperature, -10);
    EXPECT_EQ(r.samples[1].distance, 1234);
    EXPECT_EQ(r.samples[1].altitude, 100);  // the enhanced altitude wins
    // Invalid values: channels 0, the distance where it was.
    const RecordingSample& invalid = r.samples[2];
    EXPECT_EQ(invalid.time, 2);
    EXPECT_EQ(invalid.distance, 1234);
    for (int c = 0; c < kChannelCount; ++c) EXPECT_EQ(invalid.Channel(c), 0.0f) << c;

    context_.units.distance = 1;
    ASSERT_EQ(ReadFit(r, file, context_).status, LoadStatus::kLoaded);
    EXPECT_EQ(r.samples[1].distance, 766);  // trunc(1234.56 * 0.621)
}

TEST_F(FitReaderTest, TimesKeepGapsMergeRepeatsAndDropClocksSetBack) {
    const std::uint64_t t = FitTime(kStart);
    CRecording r;
    ASSERT_EQ(ReadFit(r,
                      Records({{t, 100, kNo8, 0},
                               {t + 30, 110, kNo8, 9000},
                               {t + 30, kNo8, 85},
                               {t + 10, 99, 99, 1},
                               {t + 31, 112, kNo8, 9500}}),
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

TEST_F(FitReaderTest, CutShortKeepsSamplesOtherFaultsNone) {
    const std::string whole = Records({{FitTime(kStart), 100}, {FitTime(kStart) + 1, 101}});
    CRecording r;
    EXPECT_EQ(ReadFit(r, whole.substr(0, whole.size() - 5), context_).status,
              LoadStatus::kCutShort);
    EXPECT_EQ(r.count(), 1);
    std::string damaged = whole;
    damaged[damaged.size() - 3] ^= 1;
    LoadResult bad = ReadFit(r, damaged, context_);
    EXPECT_EQ(bad.message, "is damaged: its checksum does not match");
    EXPECT_EQ(r.count(), 0);
    EXPECT_EQ(r.start, 777);  // "now"
    EXPECT_EQ(ReadFit(r, "<gpx/>", context_).status, LoadStatus::kNotRecognised);
    EXPECT_EQ(ReadFit(r, Records({}), context_).status, LoadStatus::kNoSamples);
}

// What a device writes about the activity around its records.
struct Activity {
    std::vector<std::uint64_t> fileId;  // type, serial number, time created
    std::vector<std::pair<std::uint64_t, std::uint64_t>> sessions;  // sport, sub-sport
    std::optional<std::pair<std::uint64_t, std::uint64_t>> sportMessage;
    std::optional<std::uint64_t> localTimestamp;  // beside the activity's time stamp
};

constexpr std::uint8_t kEnum = 0x00;

std::string ActivityFile(const Activity& a) {
    FitWriter w;
    w.Define(0, kFitFileIdMessage, {{0, 1, kEnum}, {3, 4, kUint32z}, {4, 4, kUint32}})
        .Data(0, a.fileId);
    if (a.sportMessage)
        w.Define(1, kFitSport, {{0, 1, kEnum}, {1, 1, kEnum}})
            .Data(1, {a.sportMessage->first, a.sportMessage->second});
    w.Define(2, kFitRecord, {{253, 4, kUint32}, {3, 1, kUint8}}).Data(2, {FitTime(kStart), 120});
    w.Define(3, kFitSession, {{5, 1, kEnum}, {6, 1, kEnum}});
    for (const auto& [sport, subSport] : a.sessions) w.Data(3, {sport, subSport});
    if (a.localTimestamp)
        w.Define(4, kFitActivity, {{253, 4, kUint32}, {5, 4, kUint32}})
            .Data(4, {FitTime(kStart) + 60, *a.localTimestamp});
    return w.File();
}

TEST_F(FitReaderTest, ActivityFactsNameTheSportByTheProfileAndTheFileById) {
    const std::uint64_t created = FitTime(kStart) - 5;
    const std::uint64_t local = FitTime(kStart) + 60 + 7200;  // two hours east of UTC
    const struct {
        Activity activity;
        std::string kind;
        int sessions;
    } cases[] = {
        {{{4, 3866465233, created}, {{1, 0}}, {}, local}, "running", 1},
        {{{4, 1, created}, {{2, 8}}, {}, {}}, "cycling/mountain", 1},
        {{{4, 1, created}, {{2, 6}}, {}, {}}, "cycling/indoor_cycling", 1},
        {{{4, 1, created}, {{5, 17}}, {}, {}}, "swimming/lap_swimming", 1},
        {{{4, 1, created}, {{12, 42}}, {}, {}}, "cross_country_skiing/skate_skiing", 1},
        {{{4, 1, created}, {{62, 0xFF}}, {}, {}}, "hiit", 1},
        // FIT's "generic" and values the profile does not name are no sport.
        {{{4, 1, created}, {{0, 0}}, {}, {}}, "", 1},
        {{{4, 1, created}, {{2, 250}}, {}, {}}, "cycling", 1},
        {{{4, 1, created}, {{200, 1}}, {}, {}}, "", 1},
        // A triathlon: three sessions, no one kind.
        {{{4, 1, created}, {{5, 18}, {2, 7}, {1, 0}}, {}, {}}, "", 3},
        // Cut before its session: the sport message still tells.
        {{{4, 1, created}, {}, std::pair<std::uint64_t, std::uint64_t>{11, 0}, {}}, "walking", 0},
        {{{4, 1, created}, {{15, 0}}, std::pair<std::uint64_t, std::uint64_t>{11, 0}, {}},
         "rowing",
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        CRecording r;
        ASSERT_EQ(ReadFit(r, ActivityFile(c.activity), context_).status, LoadStatus::kLoaded);
        EXPECT_EQ(r.activity.Kind(), c.kind);
        EXPECT_EQ(r.activity.sessions, c.sessions);
        ASSERT_TRUE(r.activity.fitFileId);
        EXPECT_EQ(r.activity.fitFileId->type, 4u);
        EXPECT_EQ(r.activity.fitFileId->timeCreated, created);
    }
    CRecording r;
    ASSERT_TRUE(ReadFit(r, ActivityFile(cases[0].activity), context_).WasRead());
    EXPECT_EQ(r.activity.localOffset, 7200);
    EXPECT_EQ(r.activity.fitFileId->serialNumber, 3866465233u);
    ASSERT_TRUE(ReadFit(r, ActivityFile(cases[1].activity), context_).WasRead());
    EXPECT_EQ(r.activity.localOffset, std::nullopt);
}

TEST_F(FitReaderTest, FileIdFromTheHeadAlone) {
    // Serial number 0 and 0xFF types are FIT's "invalid": not there.
    const std::string file = ActivityFile({{0xFF, 0, 0}, {{1, 0}}, {}, {}});
    const std::optional<FitFileId> id = ReadFitFileId(file.substr(0, 40));
    ASSERT_TRUE(id);
    EXPECT_EQ(id->type, std::nullopt);
    EXPECT_EQ(id->serialNumber, std::nullopt);
    EXPECT_EQ(id->timeCreated, 0u);
    EXPECT_FALSE(id->Identifies());
    EXPECT_EQ(ReadFitFileId(file.substr(0, 20)), std::nullopt);  // the message is cut
    EXPECT_EQ(ReadFitFileId("<gpx/>"), std::nullopt);
}

}  // namespace
}  // namespace kadenzo
