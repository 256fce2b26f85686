#include <gtest/gtest.h>

#include "RecordingFiles.h"
#include "TourReader.h"

namespace kadenzo {
namespace {

using testing::TourBytes;
using TourReaderTest = testing::ReaderTest;

TEST_F(TourReaderTest, ReadsHeaderAndSamplesWithAndWithoutTexts) {
    const std::string file = TourBytes({{0, 0, 12.5f, 18, 80, 121, std::nullopt, 3},
                                        {10, 1234, 13, 17.5f, 82, 130.5f, "Summit\xE9", 0},
                                        {20, 2000, 14, -2, 0, 140, "", 9}});
    CRecording r;
    ASSERT_TRUE(ReadTour(r, file, context_));
    EXPECT_EQ(r.title, "Title");
    EXPECT_EQ(r.note, "Note");
    EXPECT_EQ(r.start, 1079345130);
    EXPECT_EQ(r.flags, 0x5A);
    ASSERT_EQ(r.count(), 3);
    EXPECT_FALSE(r.samples[0].text.has_value());
    EXPECT_EQ(r.samples[0].flag, 3);  // directly after the text-present byte
    EXPECT_EQ(r.samples[1].temperature, 17.5f);
    EXPECT_EQ(r.samples[1].heartRate, 130.5f);
    EXPECT_EQ(r.samples[1].text, "Summit\xE9");
    EXPECT_EQ(r.samples[2].text, "");  // present but empty
    EXPECT_EQ(r.samples[2].flag, 9);

    context_.units.distance = 1;
    ASSERT_TRUE(ReadTour(r, file, context_));
    EXPECT_EQ(r.samples[1].distance, 766);  // trunc(1234 * 0.621)
}

TEST_F(TourReaderTest, OnlyTheExactSignatureIsRead) {
    for (std::string signature : {"tour1", "TOUR2", "TOUR1 ", ""}) {
        CRecording r;
        r.title = "kept";
        EXPECT_FALSE(ReadTour(r, TourBytes({{}, {}}, -1, signature), context_)) << signature;
        EXPECT_EQ(r.title, "kept");
        EXPECT_EQ(r.count(), 0);
    }
}

TEST_F(TourReaderTest, CountsAreCheckedAgainstTheFile) {
    const std::vector<testing::TourSample> two = {{1, 2, 3, 4, 5, 6, std::nullopt, 7},
                                                  {8, 9, 10, 11, 12, 13, "x", 14}};
    CRecording r;
    for (std::int32_t count : {0, -5}) {
        r.samples.resize(4);
        ASSERT_TRUE(ReadTour(r, TourBytes(two, count), context_));
        EXPECT_EQ(r.count(), 0) << count;
    }
    ASSERT_TRUE(ReadTour(r, TourBytes(two, 0x7FFFFFFF), context_));
    EXPECT_EQ(r.count(), 2);

    // Cut inside the last text: the text keeps what is there, the flag reads 0.
    std::string cut = TourBytes(two);
    cut.resize(cut.size() - 2);
    ASSERT_TRUE(ReadTour(r, cut, context_));
    ASSERT_EQ(r.count(), 2);
    EXPECT_EQ(r.samples[1].text, "");
    EXPECT_EQ(r.samples[1].heartRate, 13);
    EXPECT_EQ(r.samples[1].flag, 0);
}

}  // namespace
}  // namespace kadenzo
