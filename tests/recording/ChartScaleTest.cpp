#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ChartScale.h"
#include "RecordingFiles.h"

namespace kadenzo {
namespace {

TEST(ChartScaleTest, StepsAndSpans) {
    const double nice[][2] = {{0.3, 0.5},   {3, 5},   {7, 10}, {1.5, 2},      {1, 1},
                              {1000, 1000}, {-3, -5}, {0, 0},  {INFINITY, 0}, {NAN, 0}};
    for (const auto& [x, step] : nice) EXPECT_DOUBLE_EQ(NiceStep(x), step) << x;
    EXPECT_EQ(TimeStep(1.5), 2);
    EXPECT_EQ(TimeStep(40), 60);
    EXPECT_EQ(TimeStep(100000), 36000);
    EXPECT_EQ(FormatSpan(3605), "1h 0m 5s ");  // no leading zero parts, no trailing ones
    EXPECT_EQ(FormatSpan(86400 + 60), "1d 0h 1m ");
}

TEST(ChartScaleTest, AlignTimeWorksOnLocalCalendarTime) {
    testing::ScopedTimeZone india("IST-5:30");
    const std::int64_t t = 1079345130;  // 15.03.2004 15:35:30 local
    EXPECT_EQ(AlignTime(t, 30), t - 30);
    EXPECT_EQ(AlignTime(t, 300), t - 35 * 60 - 30);
    EXPECT_EQ(AlignTime(t, 7200), t - (15 * 3600 + 35 * 60 + 30));
}

TEST(ChartScaleTest, RangesAndScalesOfTheVisibleSamples) {
    EXPECT_EQ(TickCountForHeight(140), 2);  // one per 70 pixels, exactly
    EXPECT_EQ(LabelCountForWidth(180), 2);
    CRecording r;
    for (float altitude : {190, 210, 230, 260, 0}) {
        r.samples.emplace_back();
        r.samples.back().heartRate = 150;
        r.samples.back().altitude = altitude;
    }
    ChartSlots slots;
    ComputeValueRanges(slots, r, 0, 3);  // the last sample is not visible
    EXPECT_EQ(slots[kChannelAltitude].minimum, 190);
    EXPECT_EQ(slots[kChannelHeartRate].maximum, 151);  // a flat channel gets a range of 1

    slots[kChannelAltitude].visible = slots[kChannelHeartRate].visible = true;
    EXPECT_EQ(ComputeAxisScale(slots, TickCountForHeight(140)), 3);
    const ChannelSlot& altitude = slots[kChannelAltitude];
    EXPECT_EQ(altitude.step, 50);  // NiceStep(70 / 2)
    EXPECT_EQ(altitude.axisMin, 150);
    EXPECT_EQ(altitude.ticks, 3);  // grows the common count
    EXPECT_EQ(altitude.axisMax, 300);
    const ChannelSlot& heart = slots[kChannelHeartRate];
    EXPECT_FLOAT_EQ(heart.step, 0.5f);  // scaled with the grown count
    EXPECT_EQ(heart.ticks, 3);
    EXPECT_FLOAT_EQ(heart.axisMax, 151.5f);
}

TEST(ChartScaleTest, UnscalableValuesStillGiveAFiniteAxis) {
    CRecording r;
    r.samples.resize(2);
    r.samples[0].power = -INFINITY;
    r.samples[1].power = INFINITY;
    r.samples[0].altitude = r.samples[1].altitude = 3e38f;
    ChartSlots slots;
    ComputeValueRanges(slots, r, 0, 1);
    slots[kChannelPower].visible = slots[kChannelAltitude].visible = true;
    EXPECT_EQ(ComputeAxisScale(slots, 4), 4);
    for (int c : {kChannelPower, kChannelAltitude}) {
        EXPECT_EQ(slots[c].ticks, 4) << c;
        EXPECT_TRUE(slots[c].step > 0 && std::isfinite(slots[c].axisMax)) << c;
    }
    EXPECT_EQ(XPixel(50, 0, 100, 10, 200), 110);
    EXPECT_EQ(XPixel(7, 7, 7, 10, 200), 10);  // an empty x range stands in one column
    EXPECT_EQ(XPixel(1e300, 0, 1, 10, 200), std::numeric_limits<std::int32_t>::max());
}

}  // namespace
}  // namespace kadenzo
