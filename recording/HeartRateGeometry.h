#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ChartScale.h"
#include "Recording.h"

namespace kadenzo {

// Where the heart-rate chart puts things: the y-axes beside each other, the
// plot area right of them, and the pixel of a sample's x and y values.

// Chart modes: the low four bits pick the sample field of the x-axis; the
// time-of-day bit labels a time axis with clock times instead of elapsed time.
constexpr std::uint32_t kChartXTime = 0;
constexpr std::uint32_t kChartXDistance = 1;
constexpr std::uint32_t kChartTimeOfDay = 16;

// Inclusive-exclusive pixel rectangle, as the painter's coordinates.
struct PlotRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const PlotRect&, const PlotRect&) = default;
};

// The x value of a sample in the given mode: its time or its distance.
double SampleX(const RecordingSample& sample, std::uint32_t mode);

// The x-axis: visible x values from..to spread over the plot's width. When
// from equals to, every sample stands in the plot's first column.
struct XScale {
    std::uint32_t mode = kChartXTime;
    double from = 0;
    double to = 0;
    int plotLeft = 0;
    int plotWidth = 0;

    int Pixel(double x) const { return XPixel(x, from, to, plotLeft, plotWidth); }
    int SamplePixel(const RecordingSample& sample) const { return Pixel(SampleX(sample, mode)); }
};

// The scale over samples first ... last of the recording (both clamped).
XScale MakeXScale(const CRecording& recording, std::uint32_t mode, int first, int last,
                  const PlotRect& plot);

// Pixel row of a value on a slot's axis, kept inside the plot (a value that
// is not a number stands on the bottom line).
int YPixel(double value, const ChannelSlot& slot, const PlotRect& plot);

// The colour of slot c as 0x00BBGGRR: black, dark red, dark green, dark
// yellow, dark blue, dark magenta, dark cyan, then greys for the empty slots.
std::uint32_t SlotColour(int c);

// One y-axis: its line's x, the left edge of its widest label, and the labels
// of ticks 0 ... ticks - 1 from the bottom.
struct YAxisPlacement {
    int slot = 0;
    int x = 0;
    int labelLeft = 0;
    std::vector<std::string> labels;
};

struct HeartRateLayout {
    PlotRect inner;  // the client area less the 10-pixel margin
    PlotRect plot;   // right of the last axis, 20 pixels above the inner bottom
    int tickCount = 1;
    std::vector<YAxisPlacement> axes;

    // Pixel row of tick t, counted from the bottom; on the same scale as the
    // curves, so a label stands exactly where its value is drawn.
    int TickY(int t) const;
};

// Decimals of the labels of an axis with this step: enough to tell 0.5 from 1.
int AxisDecimals(double step);

// Scales the visible slots to the window's height and places their axes. A
// slot that needs fewer ticks than the common count is extended to it, so
// every axis ticks at the same rows. textWidth measures a label in pixels.
HeartRateLayout LayoutChart(ChartSlots& slots, int width, int height,
                        const std::function<int(std::string_view)>& textWidth);

}  // namespace kadenzo
