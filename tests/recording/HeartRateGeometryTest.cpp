// The chart's layout, its curves reduced to pixel columns, and its x-axis labels.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "ChartCurve.h"
#include "HeartRateGeometry.h"
#include "ChartXAxis.h"
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

TEST(ChartLayoutTest, AxesStandSideBySideAndShareTheirTicks) {
    // Altitude needs two ticks of 50, heart rate three: altitude is extended
    // to three so that both axes tick on the same rows.
    CRecording r = Samples(2, [](int i, RecordingSample& s) {
        s.altitude = i == 0 ? 0 : 100;
        s.heartRate = i == 0 ? 95 : 171;
    });
    ChartSlots slots;
    ComputeValueRanges(slots, r, 0, 1);
    slots[kChannelAltitude].visible = slots[kChannelHeartRate].visible = true;
    const HeartRateLayout layout = LayoutChart(slots, 400, 140, SixPerCharacter);

    EXPECT_EQ(layout.tickCount, 3);
    EXPECT_EQ(slots[kChannelAltitude].ticks, 3);
    EXPECT_EQ(slots[kChannelAltitude].axisMax, 150);
    ASSERT_EQ(layout.axes.size(), 2u);
    EXPECT_EQ(layout.axes[0].labels, (std::vector<std::string>{"0", "50", "100"}));
    EXPECT_EQ(layout.axes[1].labels, (std::vector<std::string>{"50", "100", "150"}));
    // First labels 3 pixels into the inner area, each axis 3 + 10 right of its widest label.
    EXPECT_EQ(layout.axes[0].x, 13 + 18 + 13);
    EXPECT_EQ(layout.axes[1].labelLeft, 44 + 10);
    EXPECT_EQ(layout.axes[1].x, 44 + 18 + 13);
    EXPECT_EQ(layout.plot, (PlotRect{75, 10, 390, 110}));

    // Every label stands exactly where its value is drawn.
    for (const YAxisPlacement& axis : layout.axes) {
        const ChannelSlot& slot = slots[axis.slot];
        for (int t = 0; t < slot.ticks; ++t)
            EXPECT_EQ(YPixel(slot.axisMin + t * slot.step, slot, layout.plot), layout.TickY(t))
                << axis.slot << " tick " << t;
    }
}

TEST(ChartLayoutTest, OddSizesAndValues) {
    ChartSlots slots;
    const HeartRateLayout none = LayoutChart(slots, 300, 200, SixPerCharacter);
    EXPECT_TRUE(none.axes.empty());
    EXPECT_EQ(none.plot.left, 13);  // no axis: the plot starts where the first would

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

// The rows each pixel column covers: from points, or from the ends of strokes.
using Spans = std::map<int, std::pair<int, int>>;
void Cover(Spans& spans, int x, int y) {
    auto [it, added] = spans.try_emplace(x, y, y);
    it->second.first = std::min(it->second.first, y);
    it->second.second = std::max(it->second.second, y);
}

TEST(ChartCurveTest, ADayOfSamplesCoversTheRowsOfALineThroughEach) {
    CRecording day = Samples(86400, [](int i, RecordingSample& s) {
        s.time = i;
        s.heartRate = static_cast<float>(100 + (i * 7919) % 97);  // jumps about
    });
    const PlotRect plot{40, 10, 340, 210};
    const XScale scale = MakeXScale(day, kChartXTime, 0, 86399, plot);
    ChannelSlot slot{true, 0, 100, 200, 10, 10, 100, 196};

    const std::vector<ColumnRun> runs = ColumnRuns(day, scale, 0, 86399);
    EXPECT_EQ(runs.size(), 301u);  // every column, plus the last sample's own
    const std::vector<ChartSegment> strokes =
        CurveSegments(day, kChannelHeartRate, runs, slot, plot);
    EXPECT_EQ(strokes.size(), runs.size());
    Spans drawn;
    for (const ChartSegment& stroke : strokes) {
        ASSERT_EQ(stroke.from.x, stroke.to.x);  // neighbouring columns need no joins
        Cover(drawn, stroke.from.x, stroke.from.y);
        Cover(drawn, stroke.to.x, stroke.to.y);
    }
    // A line through every sample: each column's samples, and the join from
    // the column before, which reaches this column at the previous value.
    Spans line;
    for (int i = 0; i < 86400; ++i) {
        const int x = scale.SamplePixel(day.samples[i]);
        Cover(line, x, YPixel(day.samples[i].heartRate, slot, plot));
        if (i > 0 && scale.SamplePixel(day.samples[i - 1]) != x)
            Cover(line, x, YPixel(day.samples[i - 1].heartRate, slot, plot));
    }
    EXPECT_EQ(drawn, line);
}

TEST(ChartCurveTest, EqualOrFallingXValues) {
    const PlotRect plot{40, 10, 340, 210};
    ChannelSlot slot{true, 0, 0, 100, 10, 10, 0, 100};
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
    EXPECT_EQ(stroke[0].to, (ChartPoint{40, YPixel(49, slot, plot)}));
    // A single point is a stroke of no length, so it is still drawn.
    const std::vector<ChartSegment> dot =
        CurveSegments(still, kChannelHeartRate, {{7, 3, 3}}, slot, plot);
    ASSERT_EQ(dot.size(), 1u);
    EXPECT_EQ(dot[0].from, dot[0].to);

    // A distance that goes back (a damaged file) keeps the samples in order
    // and joins columns that are not neighbours.
    CRecording back = Samples(4, [](int i, RecordingSample& s) {
        const int distance[] = {0, 0, 1000, 0};
        s.distance = distance[i];
        s.heartRate = 10.0f * i;
    });
    const XScale scale{kChartXDistance, 0, 1000, 0, 100};
    const std::vector<ColumnRun> runs = ColumnRuns(back, scale, 0, 3);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].last, 1);
    EXPECT_EQ(runs[2].first, 3);
    const std::vector<ChartSegment> strokes =
        CurveSegments(back, kChannelHeartRate, runs, slot, plot);
    ASSERT_EQ(strokes.size(), 3u);  // column 0, then joins to 100 and back to 0
    EXPECT_EQ(strokes[1].to, (ChartPoint{100, YPixel(20, slot, plot)}));
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
    EXPECT_EQ(clock[0].x, 50 + (10 * 810) / 300);
    EXPECT_EQ(labels(kChartXTime)[1].text, "30s ");
    std::vector<XAxisLabel> distance = labels(kChartXDistance);
    EXPECT_EQ(distance[1].text, "2 km");  // NiceStep(1234.5) = 2000 m
    for (const XAxisLabel& label : distance) EXPECT_LE(label.x + 20, plot.right);

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
    EXPECT_EQ(labels[0].text, "");  // 0 s has no part to write
    EXPECT_EQ(labels[1].text, "1h ");
    EXPECT_EQ(labels[2].text, "2h ");
    EXPECT_EQ(AlignElapsed(3725, 300), 3600);
    EXPECT_EQ(AlignElapsed(-10, 30), -60);
}

}  // namespace
}  // namespace kadenzo
