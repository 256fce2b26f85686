// The two HAC formats. The golden files recording-pause.tur and
// recording-texts.tour hold their ordinary fields; here the signs, line ends,
// signatures, units and the counts a damaged file gets wrong.
#include <gtest/gtest.h>

#include "RecordingFiles.h"
#include "TourReader.h"
#include "TurReader.h"

namespace kadenzo {
namespace {

using testing::TourBytes;
using testing::TurBytes;

class TurReaderTest : public testing::ReaderTest {
protected:
    CRecording Read(const std::string& bytes) const {
        CRecording recording;
        recording.flags = 0x42;  // not this reader's
        ReadTur(recording, bytes, context_);
        return recording;
    }
    const std::vector<testing::TurSample> two_ = {{0, 1, -12, 3, 4, -10}, {5, 123, 7, 8, 9, 10}};
};

TEST_F(TurReaderTest, SignedValuesLineEndsAndMiles) {
    const std::string file = TurBytes(two_, "1\nnote\r\n");
    CRecording r = Read(file);
    EXPECT_EQ(r.note, "note\r\n");
    EXPECT_EQ(r.flags, 0x42);
    EXPECT_EQ(r.samples[0].altitude, -12);
    EXPECT_EQ(r.samples[0].temperature, -10);  // byte 0xF6
    EXPECT_EQ(r.samples[1].distance, 1230);
    context_.units.distance = 1;
    EXPECT_EQ(Read(file).samples[1].distance, 763);  // trunc(1230 * 0.621)
}

TEST_F(TurReaderTest, StartUsesTheDaylightSavingInForceOnThatDate) {
    testing::ScopedTimeZone berlin("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(Read(TurBytes({}, "0\n", "", "15.07.2004\n")).start, 1089878700);  // 08:05 UTC
    EXPECT_EQ(Read(TurBytes({}, "0\n", "", "15/03/2004\n")).start, 1079345100 - 3600);
}

TEST_F(TurReaderTest, CountsAreCheckedAgainstTheFile) {
    CRecording r = Read(TurBytes(two_, "-3\n"));  // negative note count: no note lines
    EXPECT_EQ(r.note, "");
    EXPECT_EQ(r.count(), 2);
    EXPECT_EQ(Read(TurBytes(two_, "0\n", "0")).count(), 0);
    EXPECT_EQ(Read(TurBytes(two_, "0\n", "-7")).count(), 0);
    EXPECT_EQ(Read(TurBytes(two_, "0\n", "2000000000")).count(), 2);

    // A sample cut short keeps zeros for its missing bytes.
    std::string cut = TurBytes(two_);
    cut.resize(cut.size() - 20 + 9);
    r = Read(cut);
    ASSERT_EQ(r.count(), 2);
    EXPECT_EQ(r.samples[1].distance, 1230);
    EXPECT_EQ(r.samples[1].heartRate, 0);
    cut.resize(cut.size() - 9);
    EXPECT_EQ(Read(cut).count(), 1);
    EXPECT_EQ(Read(cut.substr(0, 80)).count(), 0);
}

class TourReaderTest : public testing::ReaderTest {
protected:
    const std::vector<testing::TourSample> two_ = {{1, 2, 3, 4, 5, 6, std::nullopt, 7},
                                                   {8, 1234, 10, 11, 12, 13, "x", 14}};
};

TEST_F(TourReaderTest, OnlyTheExactSignatureIsRead) {
    for (std::string signature : {"tour1", "TOUR2", "TOUR1 ", ""}) {
        CRecording r;
        r.title = "kept";
        EXPECT_FALSE(ReadTour(r, TourBytes(two_, -1, signature), context_)) << signature;
        EXPECT_EQ(r.title, "kept");
        EXPECT_EQ(r.count(), 0);
    }
    CRecording r;
    context_.units.distance = 1;
    ASSERT_TRUE(ReadTour(r, TourBytes(two_), context_));
    EXPECT_EQ(r.samples[1].distance, 766);  // trunc(1234 * 0.621)
}

TEST_F(TourReaderTest, CountsAreCheckedAgainstTheFile) {
    CRecording r;
    for (std::int32_t count : {0, -5}) {
        r.samples.resize(4);
        ASSERT_TRUE(ReadTour(r, TourBytes(two_, count), context_));
        EXPECT_EQ(r.count(), 0) << count;
    }
    ASSERT_TRUE(ReadTour(r, TourBytes(two_, 0x7FFFFFFF), context_));
    EXPECT_EQ(r.count(), 2);

    // Cut inside the last text: the text keeps what is there, the flag reads 0.
    std::string cut = TourBytes(two_);
    cut.resize(cut.size() - 2);
    ASSERT_TRUE(ReadTour(r, cut, context_));
    ASSERT_EQ(r.count(), 2);
    EXPECT_EQ(r.samples[1].text, "");
    EXPECT_EQ(r.samples[1].heartRate, 13);
    EXPECT_EQ(r.samples[1].flag, 0);
}

}  // namespace
}  // namespace kadenzo
