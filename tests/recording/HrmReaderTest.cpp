#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "HrmReader.h"
#include "RecordingFile.h"
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

TEST_F(HrmReaderTest, ReadsTwelveRowsAtFiveSeconds) {
    CRecording r = Read(
        "[Params]\nSMode=00000000\nDate=20040315\nStartTime=10:05:30.0\n"
        "Length=00:01:02.0\nInterval=5\n\n[HRData]\n" +
        Rows(12));
    EXPECT_EQ(r.start, kMarch15At100530);
    ASSERT_EQ(r.count(), 13);                // capacity 62 / 5 + 2 = 14
    EXPECT_EQ(r.samples[0].heartRate, 100);  // a copy of the first row
    EXPECT_EQ(r.samples[11].time, 55);
    EXPECT_EQ(r.samples[12].time, 62);  // the declared length
}

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

TEST_F(HrmReaderTest, ModeSwitchesSpeedCadenceAltitudeAndPower) {
    const std::string file =
        "[Params]\nSMode=11101000\nInterval=5\n[HRData]\n"
        "120\t300\t80\t450\t999\n121\t300\t81\t451\t999\n";
    CRecording r = Read(file);
    ASSERT_EQ(r.count(), 3);
    EXPECT_EQ(r.samples[0].altitude, 450);
    EXPECT_EQ(r.samples[2].distance, 83);  // 30 km/h for 10 s
    EXPECT_EQ(r.samples[2].cadence, 81);
    EXPECT_EQ(r.samples[2].altitude, 451);
    EXPECT_EQ(r.samples[2].power, 0);  // the fourth mode character is 0
    EXPECT_EQ(r.samples[2].time, 10);  // no length: the last sample keeps its time
    context_.units.distance = 1;
    EXPECT_EQ(Read(file).samples[2].distance, 51);  // trunc(83.33 * 0.621)
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

// Whether two samples hold the same row: distance and every channel.
bool SameRow(const RecordingSample& a, const RecordingSample& b) {
    if (a.distance != b.distance) return false;
    for (int c = 0; c < kChannelCount; ++c)
        if (a.Channel(c) != b.Channel(c)) return false;
    return true;
}

// A file cut at any byte of its data reads as its whole rows with their own
// times and says it was cut, unless it lost no more than the last interval.
TEST_F(HrmReaderTest, FileCutAnywhereInItsDataKeepsItsWholeRows) {
    const std::optional<std::string> polar =
        ReadRecordingFile(std::string(KADENZO_REAL_RECORDINGS) + "/s710-cycling-metric.hrm");
    ASSERT_TRUE(polar);  // 1:13:15 at 15 s, speed and altitude, 294 rows
    std::string windows =
        "[Params]\r\nSMode=1010\r\nLength=0:01:00.0\r\nInterval=5\r\n[HRData]\r\n";
    for (int k = 0; k < 13; ++k)
        windows += std::to_string(100 + k) + "\t25" + std::to_string(k) + "\t4" +
                   std::to_string(k) + "\r\n";

    for (const std::string& file : {*polar, windows}) {
        const std::size_t data = file.find('\n', file.find("[HRData]")) + 1;
        CRecording whole;
        ASSERT_EQ(ReadHrm(whole, file, context_), LoadStatus::kLoaded);
        const std::int32_t length = whole.samples.back().time;
        const std::int32_t interval = whole.samples[1].time;
        const std::size_t lineEnd = file.ends_with("\r\n") ? 2 : 1;
        for (std::size_t cut = data; cut <= file.size(); ++cut) {
            const std::string_view part(file.data(), cut);
            const std::size_t wholeRows = static_cast<std::size_t>(
                std::count(part.begin() + static_cast<long>(data), part.end(), '\n'));
            const bool unended = !part.ends_with('\n') && cut > data;
            CRecording r;
            const LoadResult result = ReadHrm(r, part, context_);
            SCOPED_TRACE("cut at " + std::to_string(cut) + " of " + std::to_string(file.size()));
            if (cut >= file.size() - lineEnd) {  // complete, with or without its line end
                ASSERT_EQ(result, LoadStatus::kLoaded);
                ASSERT_EQ(r.count(), whole.count());
                for (int i = 0; i < r.count(); ++i)
                    ASSERT_TRUE(SameRow(r.samples[i], whole.samples[i])) << i;
                EXPECT_EQ(r.samples.back().time, length);
                continue;
            }
            const auto rowsSeen = static_cast<std::int32_t>(wholeRows + (unended ? 1 : 0));
            const bool real = rowsSeen * interval + interval < length;
            ASSERT_EQ(result, real ? LoadStatus::kCutShort : LoadStatus::kLoaded);
            // Every row but a last one that may be the cut's half row is whole.
            const int last = r.count() - 1;
            for (int i = 1; i < last; ++i) {
                ASSERT_TRUE(SameRow(r.samples[i], whole.samples[i])) << i;
                ASSERT_EQ(r.samples[i].time, i * interval) << i;
            }
            if (real) {
                EXPECT_EQ(r.count(), wholeRows == 0 ? 0 : static_cast<int>(wholeRows) + 1);
                EXPECT_NE(result.message.find("is cut short"), std::string::npos);
                if (last > 0) {
                    EXPECT_TRUE(SameRow(r.samples[last], whole.samples[last]));
                    EXPECT_EQ(r.samples[last].time, last * interval);
                }
            } else {
                EXPECT_EQ(r.samples.back().time, length);  // within an interval of it
            }
        }
    }
}

TEST_F(HrmReaderTest, FilesAreChosenByExtensionAndUnreadableOnesChangeNothing) {
    auto path = std::filesystem::temp_directory_path() / "kadenzo-recording-test.HRM";
    std::ofstream(path) << "[Params]\n[HRData]\n120\n";
    CRecording r;
    std::string name = path.string();
    EXPECT_EQ(LoadRecording(r, name, context_), LoadStatus::kLoaded);
    EXPECT_EQ(r.count(), 2);
    std::filesystem::remove(path);
    EXPECT_EQ(LoadHrm(r, name, context_), LoadStatus::kCannotOpen);
    EXPECT_EQ(LoadHrm(r, "/tmp", context_), LoadStatus::kCannotOpen);
    EXPECT_EQ(r.count(), 2);  // untouched
    name = "ride.txt";
    EXPECT_EQ(LoadRecording(r, name, context_), LoadStatus::kUnknownType);
    EXPECT_EQ(name, "");
}

}  // namespace
}  // namespace kadenzo
