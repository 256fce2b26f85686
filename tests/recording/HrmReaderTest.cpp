#include <gtest/gtest.h>

#include "HrmReader.h"
#include "RecordingFiles.h"

namespace kadenzo {
namespace {

using namespace std::string_literals;

constexpr std::int64_t kMarch15At100530 = 1079345130;  // UTC

std::string Rows(int count) {
    std::string rows;
    for (int i = 0; i < count; ++i) rows += std::to_string(100 + i) + "\n";
    return rows;
}

class HrmReaderTest : public testing::ReaderTest {
protected:
    CRecording Read(const std::string& text) const {
        CRecording recording;
        ReadHrm(recording, text, context_);
        return recording;
    }
};

// recording-example.hrm, a golden file, holds the ordinary fields and the
// declared length.
TEST_F(HrmReaderTest, StartIsLocalWallClockTimeInSummerAndWinter) {
    testing::ScopedTimeZone berlin("CET-1CEST,M3.5.0,M10.5.0/3");
    const std::string rows = "[HRData]\n100\n";
    EXPECT_EQ(Read("[Params]\nDate=20040315\nStartTime=10:05:30\n" + rows).start,
              kMarch15At100530 - 3600);
    EXPECT_EQ(Read("[Params]\nDate=20040715\nStartTime=10:05:30\n" + rows).start, 1089878730);
    // A start time before the date is lost; without a date the start is "now".
    EXPECT_EQ(Read("[Params]\nStartTime=10:05:30\nDate=20040315\n" + rows).start,
              kMarch15At100530 - 3600 - 36330);
    EXPECT_EQ(Read("[Params]\n" + rows).start, 777);
}

TEST_F(HrmReaderTest, PowerNeedsItsModeCharacterAndMilesTheSetting) {
    const std::string file =
        "[Params]\nSMode=11101000\nInterval=5\n[HRData]\n"
        "120\t300\t80\t450\t999\n121\t300\t81\t451\t999\n";
    CRecording r = Read(file);
    ASSERT_EQ(r.count(), 3);
    EXPECT_EQ(r.samples[2].distance, 83);  // 30 km/h for 10 s
    EXPECT_EQ(r.samples[2].time, 10);      // no length: the last sample keeps its time
    context_.units.distance = 1;
    EXPECT_EQ(Read(file).samples[2].distance, 51);  // trunc(83.33 * 0.621)
}

TEST_F(HrmReaderTest, ModeCharactersChooseTheColumnsInTheirOrder) {
    struct Mode {
        const char* mode;
        float cadence, altitude, power;
    };
    for (const Mode& m : {Mode{"11101000", 80, 450, 0}, Mode{"10100000", 0, 80, 0},
                          Mode{"11010000", 80, 0, 450}, Mode{"0011", 0, 300, 80}}) {
        SCOPED_TRACE(m.mode);
        const CRecording r = Read(std::string("[Params]\nSMode=") + m.mode +
                                  "\n[HRData]\n120\t300\t80\t450\t999\n");
        ASSERT_EQ(r.count(), 2);
        EXPECT_EQ(r.samples[1].cadence, m.cadence);
        EXPECT_EQ(r.samples[1].altitude, m.altitude);
        EXPECT_EQ(r.samples[1].power, m.power);
    }
}

TEST_F(HrmReaderTest, IntervalAndSections) {
    for (std::string line : {"", "Interval=0\n", "Interval=-5\n"})
        EXPECT_EQ(Read("[Params]\n" + line + "[HRData]\n" + Rows(3)).samples[2].time, 30) << line;
    // A further section before the data does not end the parameters.
    CRecording r = Read("[Params]\n[Note]\nInterval=10\nLength=0:00:25\n[HRData]\n" + Rows(9));
    ASSERT_EQ(r.count(), 4);  // capacity 4: rows beyond it are ignored
    EXPECT_EQ(r.samples[1].time, 10);
    EXPECT_EQ(r.samples[3].time, 25);
    EXPECT_EQ(Read("Interval=10\n[Params]\n[HRData]\n" + Rows(2)).samples[1].time, 15);
    EXPECT_EQ(Read("[Params]\nLength=0:01:00\n[HRData]\n").count(), 0);
    EXPECT_EQ(Read("[Params]\nLength=-1:00:00\n[HRData]\n100\n").count(), 0);
    EXPECT_EQ(Read("[Params]\nLength=596523:14:07\nInterval=1\n[HRData]\n100\n").count(), 2);
}

TEST_F(HrmReaderTest, ShortBlankAndMalformedRows) {
    CRecording r = Read(
        "[Params]\nSMode=1100\n[HRData]\n100\t360\t90\n\n110\nabc\t360\t7\n"
        "  130\t360\t5");  // no line end at the end of the file
    ASSERT_EQ(r.count(), 6);
    EXPECT_EQ(r.samples[1].distance, 150);  // 36 km/h for 15 s
    EXPECT_EQ(r.samples[2].heartRate, 0);   // blank row
    EXPECT_EQ(r.samples[3].distance, 0);    // speed column missing
    // Text that is no number reads 0 and moves on by one character only.
    EXPECT_EQ(r.samples[4].distance, 150);
    EXPECT_EQ(r.samples[5].cadence, 5);
}

TEST_F(HrmReaderTest, ReadsLikeATextModeFileThroughALineBuffer) {
    EXPECT_EQ(Read("[Params]\r\nSMode=1000\r\n[HRData]\r\n100\t360\r\n").samples[1].distance, 150);
    // 300 characters come as two rows of 255 and 45.
    CRecording longRow = Read("[Params]\n[HRData]\n140" + std::string(297, ' ') + "\n150\n");
    ASSERT_EQ(longRow.count(), 4);
    EXPECT_EQ(longRow.samples[3].heartRate, 150);
    // A NUL byte ends the text of its line.
    CRecording nul = Read("[Params]\nSMode=1000\n[HRData]\n120\0\t360\n"s);
    EXPECT_EQ(nul.samples[1].heartRate, 120);
    EXPECT_EQ(nul.samples[1].distance, 0);
}

// Thirteen rows of heart rate 100 + k and a speed and an altitude that grow
// with k, cut at a row's end, inside a row, and within the last interval,
// where the cut loses no more than the declared length takes anyway.
TEST_F(HrmReaderTest, AFileCutInItsDataKeepsItsWholeRows) {
    std::string file = "[Params]\nSMode=1010\nLength=0:01:00.0\nInterval=5\n[HRData]\n";
    for (int k = 0; k < 13; ++k)
        file +=
            std::to_string(100 + k) + "\t25" + std::to_string(k) + "\t4" + std::to_string(k) + "\n";
    const struct {
        std::size_t cut;
        LoadStatus status;
        int count;
        std::int32_t lastTime;
        std::optional<float> lastAltitude;  // none for a half row
    } cases[] = {
        {57, LoadStatus::kCutShort, 0, 0, 0},    // at the start of the data
        {79, LoadStatus::kCutShort, 3, 10, 41},  // after the second row
        {83, LoadStatus::kCutShort, 3, 10, 41},  // inside the third
        {167, LoadStatus::kCutShort, 11, 50, 49},
        {168, LoadStatus::kLoaded, 12, 60, std::nullopt},  // the eleventh row begun
        {206, LoadStatus::kLoaded, 14, 60, 412},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("cut at " + std::to_string(c.cut));
        CRecording r;
        const LoadResult result = ReadHrm(r, std::string_view(file).substr(0, c.cut), context_);
        EXPECT_EQ(result.status, c.status) << result.message;
        ASSERT_EQ(r.count(), c.count);
        if (c.count == 0) continue;
        EXPECT_EQ(r.samples.back().time, c.lastTime);
        if (c.lastAltitude) {
            EXPECT_EQ(r.samples.back().altitude, *c.lastAltitude);
        }
        EXPECT_EQ(r.samples[1].heartRate, 100);
    }
}

}  // namespace
}  // namespace kadenzo
