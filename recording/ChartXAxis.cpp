#include "ChartXAxis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "RecordingTime.h"

namespace kadenzo {
namespace {

constexpr int kLabelRoom = 20;  // a label needs this much room left of the plot's right edge
// More labels than this cannot fit on any screen; the walk stops there even
// when the x values are far outside what a recording holds.
constexpr int kMaxLabels = 4096;

std::int64_t FloorTo(std::int64_t t, std::int64_t unit) {
    std::int64_t r = t % unit;
    return r < 0 ? t - r - unit : t - r;
}

std::string DistanceLabel(std::int64_t value, std::int64_t step, const std::string& unit) {
    const double stepUnits = static_cast<double>(step) * 0.001;
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(stepUnits))));
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%.*f %s", decimals, static_cast<double>(value) * 0.001,
                  unit.c_str());
    return buffer;
}

}  // namespace

std::int64_t AlignElapsed(std::int64_t t, std::int64_t step) {
    if (step % 60 != 0) return FloorTo(t, 60);
    if (step % 3600 != 0) return FloorTo(t, 3600);
    return FloorTo(t, 86400);
}

std::vector<XAxisLabel> XAxisLabels(const CRecording& recording, const XScale& scale, int plotRight,
                                    int windowWidth, const std::string& distanceUnit) {
    std::vector<XAxisLabel> labels;
    const double range = scale.to - scale.from;
    if (!(range >= 1)) return labels;
    const int wanted = LabelCountForWidth(windowWidth);
    const bool distance = (scale.mode & 0x0F) == kChartXDistance;
    const bool timeOfDay = !distance && (scale.mode & kChartTimeOfDay) != 0;

    std::int64_t step = 0;
    std::int64_t value = 0;   // of the first label, on the axis' own scale
    std::int64_t offset = 0;  // subtracted from a label's value to give its x value
    if (distance) {
        const double nice = NiceStep(range / wanted);
        if (!(nice >= 1) || nice > 1e15) return labels;
        step = static_cast<std::int64_t>(nice);
        value = FloorTo(static_cast<std::int64_t>(std::floor(scale.from)), step);
    } else {
        step = TimeStep(range / wanted);
        const auto from = static_cast<std::int64_t>(std::floor(scale.from));
        if (timeOfDay) {
            offset = recording.start;
            value = AlignTime(recording.start + from, step);
        } else {
            value = AlignElapsed(from, step);
        }
    }

    for (int n = 0; n < kMaxLabels; ++n, value += step) {
        const int x = scale.Pixel(static_cast<double>(value - offset));
        if (static_cast<std::int64_t>(x) + kLabelRoom > plotRight) break;
        if (x < scale.plotLeft) continue;
        std::string text;
        if (distance) {
            text = DistanceLabel(value, step, distanceUnit);
        } else if (timeOfDay) {
            text = FormatLocalTime(value, value % 60 == 0 ? "%H:%M" : "%H:%M:%S");
        } else {
            text = FormatSpan(value);
        }
        labels.push_back({x, std::move(text)});
    }
    return labels;
}

}  // namespace kadenzo
