#include "HeartRateGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "TextScan.h"

namespace kadenzo {
namespace {

constexpr int kMargin = 10;          // around the whole chart
constexpr int kFirstAxisOffset = 3;  // from the inner left edge to the first label
constexpr int kLabelGap = 3;         // between a label and its axis
constexpr int kAxisGap = 10;         // between an axis and the next axis' labels
constexpr int kXAxisSpace = 20;      // below the plot, for the x-axis labels

std::string AxisLabel(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

}  // namespace

double SampleX(const RecordingSample& sample, std::uint32_t mode) {
    return (mode & 0x0F) == kChartXDistance ? sample.distance : sample.time;
}

XScale MakeXScale(const CRecording& recording, std::uint32_t mode, int first, int last,
                  const PlotRect& plot) {
    XScale scale;
    scale.mode = mode;
    scale.plotLeft = plot.left;
    scale.plotWidth = std::max(0, plot.width());
    if (!recording.samples.empty()) {
        const int end = recording.count() - 1;
        scale.from = SampleX(recording.samples[std::clamp(first, 0, end)], mode);
        scale.to = SampleX(recording.samples[std::clamp(last, 0, end)], mode);
    }
    return scale;
}

int YPixel(double value, const ChannelSlot& slot, const PlotRect& plot) {
    const double span = static_cast<double>(slot.axisMax) - slot.axisMin;
    if (!(span > 0) || std::isnan(value)) return plot.bottom;
    const double offset = (value - slot.axisMin) / span * plot.height();
    const std::int64_t y = std::int64_t{plot.bottom} - TruncToInt32(offset);
    return static_cast<int>(std::clamp<std::int64_t>(y, plot.top, plot.bottom));
}

std::uint32_t SlotColour(int c) {
    // The first entries of the default palette of a drawing surface.
    static constexpr std::uint32_t kPalette[kChartSlotCount] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000,
        0x800080, 0x808000, 0xC0C0C0, 0xC0DCC0, 0xF0CAA6};
    return c >= 0 && c < kChartSlotCount ? kPalette[c] : 0;
}

int HeartRateLayout::TickY(int t) const {
    const std::int64_t rise = std::int64_t{t} * plot.height() / std::max(1, tickCount);
    return static_cast<int>(plot.bottom - rise);
}

int AxisDecimals(double step) {
    if (!(step > 0) || !std::isfinite(step)) return 0;
    return std::clamp(static_cast<int>(-std::floor(std::log10(step))), 0, 15);
}

HeartRateLayout LayoutChart(ChartSlots& slots, int width, int height,
                        const std::function<int(std::string_view)>& textWidth) {
    HeartRateLayout layout;
    layout.inner = {kMargin, kMargin, std::max(kMargin, width - kMargin),
                    std::max(kMargin, height - kMargin)};
    layout.tickCount = ComputeAxisScale(slots, TickCountForHeight(height));
    for (ChannelSlot& slot : slots) {
        if (!slot.visible || slot.ticks >= layout.tickCount) continue;
        slot.ticks = layout.tickCount;
        slot.axisMax = static_cast<float>(slot.axisMin + double{slot.step} * slot.ticks);
    }

    int x = layout.inner.left + kFirstAxisOffset;
    for (int c = 0; c < kChartSlotCount; ++c) {
        const ChannelSlot& slot = slots[c];
        if (!slot.visible) continue;
        YAxisPlacement axis;
        axis.slot = c;
        const int decimals = AxisDecimals(slot.step);
        int widest = 0;
        for (int t = 0; t < slot.ticks; ++t) {
            axis.labels.push_back(AxisLabel(slot.axisMin + double{slot.step} * t, decimals));
            widest = std::max(widest, textWidth(axis.labels.back()));
        }
        axis.labelLeft = x + kAxisGap;
        axis.x = x + widest + kLabelGap + kAxisGap;
        x = axis.x;
        layout.axes.push_back(std::move(axis));
    }
    layout.plot = {x, layout.inner.top, std::max(x, layout.inner.right),
                   std::max(layout.inner.top, layout.inner.bottom - kXAxisSpace)};
    return layout;
}

}  // namespace kadenzo
