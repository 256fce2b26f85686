#include <gtest/gtest.h>

#include "RecordingFiles.h"
#include "TurReader.h"

namespace kadenzo {
namespace {

using testing::TurBytes;

class TurReaderTest : public testing::ReaderTest {
protected:
    CRecording Read(const std::string& bytes) const {
        CRecording recording;
        ReadTur(recording, bytes, context_);
        return recording;
    }
};

TEST_F(TurReaderTest, ReadsTextLinesAndTwentyByteSamples) {
    const std::string file =
        TurBytes({{0, 0, -12, 120, 80, 21}, {20, 123, 300, 150, 90, -10}, {40, 250, 7, 155, 91, 5}},
                 "2\nfirst note\nsecond note\r\n");
    CRecording r;
    r.flags = 0x42;
    ReadTur(r, file, context_);
    EXPECT_EQ(r.title, "Title\n");  // line ends stay in the texts
    EXPECT_EQ(r.text2, "Second\n");
    EXPECT_EQ(r.note, "first note\nsecond note\r\n");
    EXPECT_EQ(r.start, 1079345100);  // 15.03.2004 10:05
    EXPECT_EQ(r.flags, 0x42);        // not this reader's
    ASSERT_EQ(r.count(), 3);
    EXPECT_EQ(r.samples[0].altitude, -12);
    EXPECT_EQ(r.samples[1].distance, 1230);
    EXPECT_EQ(r.samples[1].cadence, 90);
    EXPECT_EQ(r.samples[1].temperature, -10);  // byte 0xF6
    EXPECT_EQ(r.samples[2].time, 40);          // later samples stay aligned
    EXPECT_EQ(r.samples[2].altitude, 7);

    context_.units.distance = 1;
    EXPECT_EQ(Read(file).samples[1].distance, 763);  // trunc(1230 * 0.621)
}

TEST_F(TurReaderTest, StartUsesTheDaylightSavingInForceOnThatDate) {
    testing::ScopedTimeZone berlin("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(Read(TurBytes({}, "0\n", "", "15.07.2004\n")).start, 1089878700);  // 08:05 UTC
    EXPECT_EQ(Read(TurBytes({}, "0\n", "", "15/03/2004\n")).start, 1079345100 - 3600);
}

TEST_F(TurReaderTest, CountsAreCheckedAgainstTheFile) {
    const std::vector<testing::TurSample> two = {{0, 1, 2, 3, 4, 5}, {5, 6, 7, 8, 9, 10}};
    CRecording r = Read(TurBytes(two, "-3\n"));  // negative note count: no note lines
    EXPECT_EQ(r.note, "");
    EXPECT_EQ(r.count(), 2);
    EXPECT_EQ(Read(TurBytes(two, "0\n", "0")).count(), 0);
    EXPECT_EQ(Read(TurBytes(two, "0\n", "-7")).count(), 0);
    EXPECT_EQ(Read(TurBytes(two, "0\n", "2000000000")).count(), 2);

    // A sample cut short keeps zeros for its missing bytes.
    std::string cut = TurBytes(two);
    cut.resize(cut.size() - 20 + 9);
    r = Read(cut);
    ASSERT_EQ(r.count(), 2);
    EXPECT_EQ(r.samples[1].distance, 60);
    EXPECT_EQ(r.samples[1].heartRate, 0);
    cut.resize(cut.size() - 9);
    EXPECT_EQ(Read(cut).count(), 1);
    EXPECT_EQ(Read(cut.substr(0, 80)).count(), 0);
}

}  // namespace
}  // namespace kadenzo
