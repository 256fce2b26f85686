// Files written by real devices and programs, read in place and checked
// against the figures the files state about themselves.
#include <gtest/gtest.h>

#include <filesystem>

#include "RecordingFile.h"
#include "RecordingFiles.h"

namespace kadenzo {
namespace {

const std::string kRoot = KADENZO_REAL_RECORDINGS;

// Start, length and distance (metres) from each file's header, FIT session
// message, TCX laps or, for GPX, Vincenty's formula on WGS-84 along each
// segment.
const struct RealFile {
    const char* name;
    int count;
    std::int64_t start;
    double seconds, metres;
} kFiles[] = {
    // 3720 rows at 5 s fill the capacity the length gives exactly.
    {"s725-cycling-metric.hrm", 3721, 1113645392, 18598, 112384},
    // 110 rows and the copy of the first, but 0:54:24.9 at 30 s holds 110 samples.
    {"s410-sample.hrm", 110, 1082977777, 3264, 0},
    // The file ends one byte into its last sample.
    {"hac4-hac5.tur", 3336, 1139049240, 16675, 105560},
    // 275 bytes after the last sample are not read.
    {"hac4-hac4-alt.tur", 669, 907067520, 13326, 54320},
    {"fit/Activity.fit", 14, 1334006546, 13.749, 5.73},
    {"fit/Edge810-Vector-2013-08-16-15-35-10.fit", 4700, 1376676310, 4700.05, 41339.38},
    {"fit/activity-small-fenix2-run.fit", 2809, 1439649908, 2832, 9008.22},
    {"fit/compressed-speed-distance.fit", 755, 648283464, 3883.273, 10248.67},
    {"fit/developer-types-sample.fit", 3424, 1484672807, 3424, 6753.99},
    {"fit/garmin-edge-820-bike.fit", 15, 1497283815, 64.524, 457.12},
    {"fit/garmin-fenix-5-run.fit", 21, 1497191649, 56.887, 157.56},
    {"tcx/garmin-run.tcx", 384, 1356557393, 1992.78, 4689.24},
    {"gpx/cerknicko-jezero.gpx", 296, 1281018239, 7190, 4576.9},
    {"gpx/track-with-empty-segment.gpx", 9, 1373131586, 76, 85.99},
    {"gpx/gpx1.1_with_all_fields.gpx", 1, 1357041604, 0, 0},  // a time without zone
};

TEST(RealRecordingsTest, EachAgreesWithTheFiguresItStates) {
    if (!std::filesystem::is_directory(kRoot + "/fit"))
        GTEST_SKIP() << "no real recordings at " << kRoot;
    testing::ScopedTimeZone utc("UTC");
    for (const RealFile& file : kFiles) {
        SCOPED_TRACE(file.name);
        CRecording r;
        std::string path = kRoot + "/" + file.name;
        const LoadResult result = LoadRecording(r, path, RecordingReadContext{});
        ASSERT_EQ(result.status, LoadStatus::kLoaded) << result.message;
        ASSERT_EQ(r.count(), file.count);
        EXPECT_EQ(r.start, file.start);
        // Records come at most every few seconds; the file ends with the last.
        EXPECT_NEAR(r.samples.back().time, file.seconds, 3.5);
        EXPECT_NEAR(r.samples.back().distance, file.metres, 3 + file.metres * 0.001);
    }
}

// What each device says about its activity: the sport by FIT's profile names
// and how far its own local time is from UTC.
TEST(RealRecordingsTest, DevicesNameTheirSportAndLocalTime) {
    if (!std::filesystem::is_directory(kRoot + "/fit"))
        GTEST_SKIP() << "no real recordings at " << kRoot;
    const struct {
        const char* name;
        const char* kind;
        std::optional<std::int64_t> localOffset;
        std::optional<std::uint32_t> serialNumber;
    } cases[] = {
        {"fit/Activity.fit", "running", -4 * 3600, 2147483647},
        {"fit/Edge810-Vector-2013-08-16-15-35-10.fit", "cycling", {}, 3866465233},
        {"fit/activity-small-fenix2-run.fit", "running", 2 * 3600, 3882015183},
        {"fit/activity-unexpected-eof.fit", "running", {}, 2147483647},
        // A clock counted from switching on, and the local time of day beside it.
        {"fit/compressed-speed-distance.fit", "running", 698070063 - 17221751, 1215347},
        {"fit/developer-types-sample.fit", "running", {}, 2147483647},
        {"fit/garmin-edge-820-bike.fit", "cycling/commuting", -7 * 3600, 3932942223},
        {"fit/garmin-fenix-5-run.fit", "running", -7 * 3600, 3945849289},
        {"tcx/garmin-run.tcx", "running", {}, {}},
        {"gpx/gpx1.1_with_all_fields.gpx", "t", {}, {}},
        {"gpx/cerknicko-jezero.gpx", "", {}, {}},
        {"s710-running-metric.hrm", "", {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CRecording r;
        std::string path = kRoot + "/" + c.name;
        ASSERT_TRUE(LoadRecording(r, path, RecordingReadContext{}).WasRead());
        EXPECT_EQ(r.activity.Kind(), c.kind);
        EXPECT_EQ(r.activity.localOffset, c.localOffset);
        EXPECT_EQ(r.activity.fitFileId ? r.activity.fitFileId->serialNumber : std::nullopt,
                  c.serialNumber);
        if (r.activity.fitFileId) {
            EXPECT_EQ(r.activity.fitFileId->type, kFitFileTypeActivity);
        }
    }
}

}  // namespace
}  // namespace kadenzo
