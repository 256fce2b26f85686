#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "NiceStep.h"
#include "Recording.h"

namespace kadenzo {

// The arithmetic of the heart-rate chart: value ranges, y-axis scales and the
// steps and labels of the x-axis. The chart widget draws what these compute.

// One y-axis slot of the chart; slot c draws float channel c of the samples.
// Slots 7 to 9 have no channel behind them and stay empty.
struct ChannelSlot {
    bool visible = false;
    std::uint32_t colour = 0;
    float axisMin = 0;
    float axisMax = 0;
    float step = 0;     // value between two ticks
    int ticks = 0;      // tick intervals
    float minimum = 0;  // over the visible samples
    float maximum = 0;
};

constexpr int kChartSlotCount = 10;
using ChartSlots = std::array<ChannelSlot, kChartSlotCount>;

// The most tick intervals one axis gets, however odd its values.
constexpr int kMaxTicks = 1000;

// Smallest and largest value of every slot over samples firstVisible ...
// lastVisible (clamped to the recording); a flat channel gets a range of 1.
void ComputeValueRanges(ChartSlots& slots, const CRecording& recording, int firstVisible,
                        int lastVisible);

// One y-axis tick interval for every 70 pixels of the window's height, at least one.
int TickCountForHeight(int windowHeight);
// One x-axis label for every 90 pixels of the window's width, at least one.
int LabelCountForWidth(int windowWidth);

// Scales every visible slot to round steps. The common tick count starts at
// tickCount and grows to the largest count a slot needs; later slots use the
// grown count. Returns the final common count.
int ComputeAxisScale(ChartSlots& slots, int tickCount);

// The first of 1, 2, 5, 10, 30, 60, 300, 600, 1800, 3600, 7200, 18000, 36000
// seconds not smaller than the argument; 36000 beyond.
int TimeStep(double seconds);
// The local calendar time t moved back to the start of its minute (step not a
// multiple of 60), of its hour (multiple of 60 but not of 3600) or of its day.
std::int64_t AlignTime(std::int64_t t, std::int64_t step);
// "1d 2h 0m 5s ": each part followed by a blank; a zero part only between
// written and non-zero parts.
std::string FormatSpan(std::int64_t seconds);

// Pixel of an x value on a plot of the given left edge and width. When the
// x range is empty (xFrom == xTo) everything stands in one column at the left.
int XPixel(double x, double xFrom, double xTo, int plotLeft, int plotWidth);

}  // namespace kadenzo
