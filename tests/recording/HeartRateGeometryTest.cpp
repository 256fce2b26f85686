// The chart's layout, its curves reduced to pixel columns, and its x-axis labels.
#include <gtest/gtest.h>

#include <cmath>

#include "ChartCurve.h"
#include "ChartXAxis.h"
#include "HeartRateGeometry.h"
#include "RecordingFiles.h"

namespace kadenzo {
namespace {

// Six pixels per character, so label widths are easy to follow.
int SixPerCharacter(std::string_view text) { return 6 * static_cast<int>(text.size()); }

CRecording Samples(int count, auto fill) {
    CRecording r;
    r.samples.resize(count);
    for (int i = 0; i < count; ++i) fill(i, r.samples[i]);
    return r;
}

TEST(ChartLayoutTest, OddSizesAndValues) {
    ChartSlots slots;
    EXPECT_TRUE(LayoutChart(slots, 300, 200, SixPerCharacter).axes.empty());
    slots[kChannelHeartRate] = {true, 0, 0, 0, 0, 0, 150, 151};
    const HeartRateLayout tiny = LayoutChart(slots, 4, 4, SixPerCharacter);
    EXPECT_GE(tiny.plot.width(), 0);
    EXPECT_GE(tiny.plot.height(), 0);

    const PlotRect plot{0, 10, 100, 110};
    const ChannelSlot& slot = slots[kChannelHeartRate];
    EXPECT_EQ(YPixel(NAN, slot, plot), 110);
    EXPECT_EQ(YPixel(1e30, slot, plot), 10);         // kept inside the plot
    EXPECT_EQ(YPixel(5, ChannelSlot{}, plot), 110);  // an axis without a span

    const double decimals[][2] = {{0.5, 1}, {0.02, 2}, {5, 0}, {50, 0}, {0, 0}, {NAN, 0}};
    for (const auto& [step, expected] : decimals) EXPECT_EQ(AxisDecimals(step), expected) << step;
}

TEST(ChartCurveTest, ColumnsJoinTheirNeighboursAndEqualOrFallingXValues) {
    const PlotRect plot{40, 10, 340, 210};
    ChannelSlot slot{true, 0, 0, 100, 10, 10, 0, 100};
    auto y = [&](float value) { return YPixel(value, slot, plot); };
    // All samples at the same time: one column at the plot's left, no division by zero.
    CRecording still = Samples(50, [](int i, RecordingSample& s) { s.heartRate = i; });
    const XScale flat = MakeXScale(still, kChartXTime, 0, 49, plot);
    const std::vector<ColumnRun> one = ColumnRuns(still, flat, 0, 49);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].x, 40);
    const std::vector<ChartSegment> stroke =
        CurveSegments(still, kChannelHeartRate, one, slot, plot);
    ASSERT_EQ(stroke.size(), 1u);
    EXPECT_EQ(stroke[0].from, (ChartPoint{40, 210}));
    EXPECT_EQ(stroke[0].to, (ChartPoint{40, y(49)}));
    // A single point is a stroke of no length, so it is still drawn.
    const std::vector<ChartSegment> dot =
        CurveSegments(still, kChannelHeartRate, {{7, 3, 3}}, slot, plot);
    ASSERT_EQ(dot.size(), 1u);
    EXPECT_EQ(dot[0].from, dot[0].to);

    // Neighbouring columns: each stroke reaches from the column before's
    // last value over this column's, and draws no join of its own. A distance
    // that goes back (a damaged file) keeps the samples in order and joins
    // columns that are not neighbours.
    const float values[] = {0, 50, 45, 20, 40, 30};
    CRecording walk = Samples(6, [&](int i, RecordingSample& s) {
        const int distance[] = {0, 10, 10, 20, 1000, 0};
        s.distance = distance[i];
        s.heartRate = values[i];
    });
    const XScale scale{kChartXDistance, 0, 1000, 0, 100};
    const std::vector<ColumnRun> runs = ColumnRuns(walk, scale, 0, 5);
    ASSERT_EQ(runs.size(), 5u);
    const std::vector<ChartSegment> strokes =
        CurveSegments(walk, kChannelHeartRate, runs, slot, plot);
    const std::vector<ChartSegment> expected = {
        {{1, y(0)}, {1, y(50)}}, {{2, y(20)}, {2, y(45)}},
        {{2, y(20)}, {100, y(40)}}, {{100, y(40)}, {0, y(30)}}};
    ASSERT_EQ(strokes.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(strokes[i].from, expected[i].from) << i;
        EXPECT_EQ(strokes[i].to, expected[i].to) << i;
    }
}

TEST(ChartXAxisTest, ClockTimesSpansAndDistances) {
    testing::ScopedTimeZone utc("UTC");
    const PlotRect plot{50, 10, 860, 200};
    CRecording r = Samples(2, [](int i, RecordingSample& s) {
        s.time = i * 300;
        s.distance = i * 12345;
    });
    r.start = 1079345690;  // 15.03.2004 10:14:50
    auto labels = [&](std::uint32_t mode) {
        return XAxisLabels(r, MakeXScale(r, mode, 0, 1, plot), plot.right, 900, "km");
    };
    // 300 s over ten labels: every 30 s, from the start of the minute on.
    std::vector<XAxisLabel> clock = labels(kChartXTime | kChartTimeOfDay);
    ASSERT_GE(clock.size(), 2u);
    EXPECT_EQ(clock[0].text, "10:15");
    EXPECT_EQ(clock[1].text, "10:15:30");
    std::vector<XAxisLabel> distance = labels(kChartXDistance);
    EXPECT_EQ(distance[1].text, "2 km");  // NiceStep(1234.5) = 2000 m

    r.samples[1].distance = 1234;  // steps of 0.2 km need a decimal
    EXPECT_EQ(labels(kChartXDistance)[1].text, "0.2 km");
    r.samples[1].distance = 2;  // a step below one metre: no labels
    EXPECT_TRUE(labels(kChartXDistance).empty());
    r.samples[1].time = 0;  // no time range
    EXPECT_TRUE(labels(kChartXTime).empty());
}

TEST(ChartXAxisTest, ElapsedTimeFallsOnWholeHoursInEveryTimeZone) {
    testing::ScopedTimeZone india("IST-5:30");
    CRecording r = Samples(2, [](int i, RecordingSample& s) { s.time = i * 4 * 3600; });
    const PlotRect plot{50, 10, 860, 200};
    std::vector<XAxisLabel> labels =
        XAxisLabels(r, MakeXScale(r, kChartXTime, 0, 1, plot), plot.right, 450, "");
    ASSERT_GE(labels.size(), 3u);
    EXPECT_EQ(labels[2].text, "2h ");
    EXPECT_EQ(AlignElapsed(3725, 300), 3600);
    EXPECT_EQ(AlignElapsed(-10, 30), -60);
}

}  // namespace
}  // namespace kadenzo
