// Files written by real Polar and Ciclosport devices, read in place.
#include <gtest/gtest.h>

#include <filesystem>

#include "RecordingFile.h"
#include "RecordingFiles.h"
#include "RecordingSummary.h"

namespace kadenzo {
namespace {

class RealRecordingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::is_directory(KADENZO_REAL_RECORDINGS))
            GTEST_SKIP() << "no real recordings at " << KADENZO_REAL_RECORDINGS;
    }
    static CRecording Load(const std::string& name) {
        CRecording recording;
        std::string path = std::string(KADENZO_REAL_RECORDINGS) + "/" + name;
        EXPECT_EQ(LoadRecording(recording, path, RecordingReadContext{}), LoadStatus::kLoaded)
            << name;
        return recording;
    }
    testing::ScopedTimeZone utc_{"UTC"};
};

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

}  // namespace
}  // namespace kadenzo
