// Taking, dragging and stepping the chart's two markers.
#include <gtest/gtest.h>

#include "ChartMarkers.h"

namespace kadenzo {
namespace {

// 101 samples one second apart on a plot 1000 pixels wide: sample i at 10 * i.
class ChartMarkersTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i <= 100; ++i) recording_.samples.push_back({{}, i});
        markers_.Reset(recording_.count());
        markers_.Set(20, 60, recording_.count());
        markers_.Place(recording_, scale_);
    }
    ChartMarkers::MouseOutcome Move(int x, bool button) {
        return markers_.MouseMove(x, button, recording_, scale_, 1000);
    }

    CRecording recording_;
    XScale scale_{kChartXTime, 0, 100, 0, 1000};
    ChartMarkers markers_;
};

TEST_F(ChartMarkersTest, TakenWithinTwoPixels) {
    const struct {
        int x;
        int grabbed;  // -1 for none
    } cases[] = {{200, 0}, {198, 0}, {202, 0}, {197, -1}, {203, -1}, {601, 1}, {400, -1}};
    for (const auto& c : cases) {
        Move(c.x, false);
        EXPECT_EQ(markers_[0].grabbed, c.grabbed == 0) << c.x;
        EXPECT_EQ(markers_[1].grabbed, c.grabbed == 1) << c.x;
        EXPECT_EQ(markers_.AnyGrabbed(), c.grabbed >= 0) << c.x;
    }
    // Both within reach: the nearer one; equally near, the active one.
    markers_.Set(20, 21, recording_.count());
    markers_.Place(recording_, scale_);
    Move(209, false);
    EXPECT_TRUE(markers_[1].grabbed);
    markers_.Set(20, 20, recording_.count());
    markers_.Place(recording_, scale_);
    Move(200, false);
    EXPECT_TRUE(markers_[0].grabbed);
    EXPECT_FALSE(markers_[1].grabbed);
}

TEST_F(ChartMarkersTest, DraggedMarkerSnapsToSamplesAndStaysOnThePlot) {
    Move(601, false);
    ChartMarkers::MouseOutcome moved = Move(436, true);
    EXPECT_EQ(moved.moved, 1);
    EXPECT_EQ(moved.oldPixel, 600);
    EXPECT_TRUE(moved.changed);
    EXPECT_EQ(markers_[1].sample, 44);  // 436 is nearest to 440
    EXPECT_EQ(markers_[1].pixel, 440);
    EXPECT_EQ(markers_.Active(), 1);
    EXPECT_FALSE(Move(438, true).changed);  // still nearest to 440

    // Dragged across the other marker, it does not pick that one up.
    Move(195, true);
    Move(100, true);
    EXPECT_EQ(markers_[1].sample, 10);
    EXPECT_EQ(markers_[0].sample, 20);
    Move(-500, true);
    EXPECT_EQ(markers_[1].sample, 0);
    Move(5000, true);
    EXPECT_EQ(markers_[1].sample, 100);

    // Without a marker in reach the button moves nothing.
    Move(300, false);
    EXPECT_EQ(Move(320, true).moved, -1);
}

TEST_F(ChartMarkersTest, ArrowStepsStayWithinTheRecording) {
    EXPECT_TRUE(markers_.Step(+1, false, recording_, scale_));
    EXPECT_EQ(markers_[0].sample, 21);
    EXPECT_EQ(markers_[0].pixel, 210);
    EXPECT_TRUE(markers_.Step(-1, true, recording_, scale_));
    EXPECT_EQ(markers_[0].sample, 16);

    markers_.Set(-1, 98, recording_.count());  // -1 is not a sample: marker 1 stays
    markers_.Place(recording_, scale_);
    EXPECT_EQ(markers_[0].sample, 16);
    Move(980, false);
    Move(980, true);  // marker 2 becomes the active one
    EXPECT_TRUE(markers_.Step(+1, true, recording_, scale_));
    EXPECT_EQ(markers_[1].sample, 100);
    EXPECT_FALSE(markers_.Step(+1, false, recording_, scale_));

    markers_.Reset(0);
    EXPECT_EQ(markers_[0].sample, -1);
    EXPECT_FALSE(markers_.Step(+1, false, CRecording(), scale_));
}

TEST(SampleNearestPixelTest, DenseAndUnorderedSamples) {
    // A day at one sample per second: hundreds of samples share each column,
    // including the first, which must not stop the search.
    CRecording day;
    for (int i = 0; i < 86400; ++i) day.samples.push_back({{}, i});
    const XScale scale{kChartXTime, 0, 86399, 0, 300};
    const int nearest = SampleNearestPixel(day, scale, 0, 86399, 150);
    EXPECT_EQ(scale.SamplePixel(day.samples[nearest]), 150);
    EXPECT_EQ(scale.SamplePixel(day.samples[nearest - 1]), 149);

    CRecording unordered;
    for (int t : {0, 50, 10, 90, 40}) unordered.samples.push_back({{}, t});
    const XScale tens{kChartXTime, 0, 90, 0, 90};
    EXPECT_EQ(SampleNearestPixel(unordered, tens, 0, 4, 42), 4);
    EXPECT_EQ(SampleNearestPixel(CRecording(), tens, 0, 4, 42), -1);
}

}  // namespace
}  // namespace kadenzo
