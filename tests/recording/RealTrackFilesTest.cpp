// Files written by real devices and programs, read in place and checked
// against the totals the files state about themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "FitDecoder.h"
#include "RecordingFile.h"
#include "RecordingFiles.h"
#include "RecordingSummary.h"
#include "XmlElements.h"

namespace kadenzo {
namespace {

const std::string kRoot = KADENZO_REAL_RECORDINGS;

class RealRecordingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::is_directory(kRoot + "/fit"))
            GTEST_SKIP() << "no real recordings at " << kRoot;
    }
    static CRecording Load(const std::string& name, LoadStatus expected = LoadStatus::kLoaded) {
        CRecording recording;
        std::string path = kRoot + "/" + name;
        LoadResult result = LoadRecording(recording, path, RecordingReadContext{});
        EXPECT_EQ(result.status, expected) << name << " " << result.message;
        return recording;
    }
    testing::ScopedTimeZone utc_{"UTC"};
};

// The figures of a session or lap message, through the decoder's generic access.
struct FitTotals {
    std::int64_t start = 0;  // seconds since 1970
    std::int64_t end = 0;
    double elapsed = 0;   // seconds
    double distance = 0;  // metres
    std::optional<double> averageHeartRate, maximumHeartRate;
};

std::map<std::uint16_t, std::vector<FitTotals>> FitSummaries(const std::string& bytes) {
    std::map<std::uint16_t, std::vector<FitTotals>> found;
    DecodeFit(bytes, [&](const FitMessage& m) {
        if (m.Global() != kFitSession && m.Global() != kFitLap) return;
        const bool session = m.Global() == kFitSession;
        FitTotals t;
        t.start = kFitEpoch + static_cast<std::int64_t>(m.Value(2).value_or(0));
        t.end = kFitEpoch + m.Timestamp().value_or(0);
        t.elapsed = m.Value(7).value_or(0) / 1000.0;
        t.distance = m.Value(9).value_or(0) / 100.0;
        t.averageHeartRate = m.Value(session ? 16 : 15);
        t.maximumHeartRate = m.Value(session ? 17 : 16);
        found[m.Global()].push_back(t);
    });
    return found;
}

float MaxHeartRate(const CRecording& r, std::int64_t from, std::int64_t to) {
    float maximum = 0;
    for (const RecordingSample& s : r.samples)
        if (r.start + s.time >= from && r.start + s.time <= to)
            maximum = std::max(maximum, s.heartRate);
    return maximum;
}

TEST_F(RealRecordingsTest, PolarFiles) {
    // SMode=101000100: speed and altitude; 3720 rows fill the capacity exactly.
    CRecording s725 = Load("s725-cycling-metric.hrm");
    EXPECT_EQ(s725.start, 1113645392);  // 16.04.2005 09:56:32
    ASSERT_EQ(s725.count(), 3721);
    EXPECT_EQ(s725.samples[2].distance, 5);  // 4.3, then 9.9 km/h for 5 s
    EXPECT_EQ(s725.samples[3720].time, 18598);
    EXPECT_NEAR(SummariseRange(s725, 0, 3720, false).distance, 112.384f, 1e-3);

    // 110 rows, but 0:54:24.9 at 30 s gives a capacity of 110: the last row is dropped.
    CRecording s410 = Load("s410-sample.hrm");
    ASSERT_EQ(s410.count(), 110);
    EXPECT_EQ(s410.samples[109].time, 3264);
    EXPECT_EQ(s410.samples[109].heartRate, 156);
}

TEST_F(RealRecordingsTest, HacFilesHaveTwentyByteSamples) {
    CRecording hac5 = Load("hac4-hac5.tur");
    EXPECT_EQ(hac5.start, 1139049240);  // 04.02.2006 10:34
    ASSERT_EQ(hac5.count(), 3336);
    // The last sample (the file ends one byte into it) matches the header's
    // totals, and the samples give the header's average heart rate, 127.743.
    EXPECT_EQ(hac5.samples.back().time, 16675);
    EXPECT_EQ(hac5.samples.back().distance, 105560);
    EXPECT_NEAR(SummariseRange(hac5, 0, 3335, false).average, 127.743, 5e-4);

    CRecording hac4 = Load("hac4-hac4-alt.tur");
    EXPECT_EQ(hac4.note, "Hier stehen ihre Notizen\n");
    ASSERT_EQ(hac4.count(), 669);  // 275 bytes after the last sample are not read
    EXPECT_EQ(hac4.samples.back().distance, 54320);
}

TEST_F(RealRecordingsTest, FitFilesAgreeWithTheirSessionAndLaps) {
    // Over an hour of one-second records the sample average is the session's;
    // in shorter or sparser files the device averages what it does not record.
    for (auto [name, average] : {std::pair{"Activity.fit", false},
                                 {"Edge810-Vector-2013-08-16-15-35-10.fit", true},
                                 {"activity-small-fenix2-run.fit", false},
                                 {"compressed-speed-distance.fit", true},
                                 {"developer-types-sample.fit", false},
                                 {"garmin-edge-820-bike.fit", false},
                                 {"garmin-fenix-5-run.fit", false}}) {
        SCOPED_TRACE(name);
        CRecording r = Load(std::string("fit/") + name);
        auto summaries = FitSummaries(*ReadRecordingFile(kRoot + "/fit/" + name));
        ASSERT_EQ(summaries[kFitSession].size(), 1u);
        const FitTotals& session = summaries[kFitSession][0];
        ASSERT_GT(r.count(), 1);
        EXPECT_EQ(r.start, session.start);
        // Records come at most every few seconds; the session ends with the last.
        EXPECT_NEAR(r.samples.back().time, session.elapsed, 3.5);
        EXPECT_NEAR(r.samples.back().distance, session.distance, 3.0);
        const RangeSummary whole = SummariseRange(r, 0, r.count() - 1, false);
        EXPECT_NEAR(whole.maximum, session.maximumHeartRate.value_or(whole.maximum), 1.0);
        EXPECT_NEAR(whole.average, average ? session.averageHeartRate.value_or(0) : whole.average,
                    1.5);
        for (const FitTotals& lap : summaries[kFitLap]) {
            if (!lap.maximumHeartRate) continue;
            EXPECT_NEAR(MaxHeartRate(r, lap.start, lap.end), *lap.maximumHeartRate, 1.0);
        }
    }
}

TEST_F(RealRecordingsTest, ATruncatedFitKeepsItsCompleteRecords) {
    CRecording whole = Load("fit/Activity.fit");
    CRecording cut = Load("fit/activity-unexpected-eof.fit", LoadStatus::kCutShort);
    ASSERT_EQ(cut.count(), whole.count());  // the cut falls in the last message, an activity
    EXPECT_EQ(cut.samples.back().distance, whole.samples.back().distance);
}

TEST_F(RealRecordingsTest, TcxAgreesWithItsLapTotals) {
    CRecording r = Load("tcx/garmin-run.tcx");
    pugi::xml_document doc;
    ASSERT_FALSE(ParseXml(doc, *ReadRecordingFile(kRoot + "/tcx/garmin-run.tcx")));
    double seconds = 0, metres = 0, maximum = 0, beats = 0;
    ForEachChild(
        Child(Child(doc.document_element(), "Activities"), "Activity"), "Lap",
        [&](const pugi::xml_node& lap) {
            const double lapSeconds = *Number(Child(lap, "TotalTimeSeconds"));
            seconds += lapSeconds;
            metres += *Number(Child(lap, "DistanceMeters"));
            maximum = std::max(maximum, *Number(Child(Child(lap, "MaximumHeartRateBpm"), "Value")));
            beats += lapSeconds * *Number(Child(Child(lap, "AverageHeartRateBpm"), "Value"));
        });
    EXPECT_EQ(r.start, 1356557393);  // the first lap's StartTime, 2012-12-26T21:29:53Z
    EXPECT_NEAR(r.samples.back().time, seconds, 1.0);
    EXPECT_NEAR(r.samples.back().distance, metres, metres * 0.001);
    EXPECT_EQ(SummariseRange(r, 0, r.count() - 1, false).maximum, maximum);
    // The laps' averages are over time: each sample holds until the next.
    double sampleBeats = 0;
    for (std::size_t i = 0; i + 1 < r.samples.size(); ++i)
        sampleBeats += r.samples[i].heartRate * (r.samples[i + 1].time - r.samples[i].time);
    EXPECT_NEAR(sampleBeats / r.samples.back().time, beats / seconds, 1.0);
}

TEST_F(RealRecordingsTest, GpxTracksMatchFiguresWorkedOutOnTheEllipsoid) {
    // Distances by Vincenty's formula on WGS-84 along each segment.
    const struct {
        const char* name;
        int count;
        std::int64_t start;
        std::int32_t duration;
        double metres;
    } cases[] = {
        {"gpx/cerknicko-jezero.gpx", 296, 1281018239, 7190, 4576.9},
        {"gpx/track-with-empty-segment.gpx", 9, 1373131586, 76, 85.99},
        {"gpx/gpx1.1_with_all_fields.gpx", 1, 1357041604, 0, 0},  // a time without zone
    };
    for (const auto& c : cases) {
        CRecording r = Load(c.name);
        ASSERT_EQ(r.count(), c.count) << c.name;
        EXPECT_EQ(r.start, c.start) << c.name;
        EXPECT_EQ(r.samples.back().time, c.duration) << c.name;
        EXPECT_NEAR(r.samples.back().distance, c.metres, c.metres * 0.005 + 1) << c.name;
    }
    EXPECT_EQ(Load("gpx/unicode_with_bom.gpx", LoadStatus::kNoSamples).count(), 0);
}

}  // namespace
}  // namespace kadenzo
