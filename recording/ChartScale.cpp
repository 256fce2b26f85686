#include "ChartScale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "RecordingTime.h"
#include "TextScan.h"

namespace kadenzo {

void ComputeValueRanges(ChartSlots& slots, const CRecording& recording, int firstVisible,
                        int lastVisible) {
    for (ChannelSlot& slot : slots) {
        slot.minimum = 1e32f;
        slot.maximum = -1e32f;
    }
    if (!recording.samples.empty()) {
        const int end = recording.count() - 1;
        firstVisible = std::clamp(firstVisible, 0, end);
        lastVisible = std::clamp(lastVisible, 0, end);
        for (int i = firstVisible; i <= lastVisible; ++i) {
            const RecordingSample& sample = recording.samples[i];
            for (int c = 0; c < kChannelCount; ++c) {
                float value = sample.Channel(c);
                ChannelSlot& slot = slots[c];
                if (value < slot.minimum) slot.minimum = value;
                if (value > slot.maximum) slot.maximum = value;
            }
        }
    }
    for (ChannelSlot& slot : slots)
        if (!(slot.minimum < slot.maximum)) slot.maximum = slot.minimum + 1.0f;
}

int TickCountForHeight(int windowHeight) { return std::max(1, windowHeight / 70); }

int LabelCountForWidth(int windowWidth) { return std::max(1, windowWidth / 90); }

int ComputeAxisScale(ChartSlots& slots, int tickCount) {
    tickCount = std::clamp(tickCount, 1, kMaxTicks);
    for (ChannelSlot& slot : slots) {
        if (!slot.visible) continue;
        const double minimum = slot.minimum;
        const double maximum = slot.maximum;
        const float step = static_cast<float>(NiceStep((maximum - minimum) / tickCount));
        const bool usable = step > 0.0f && std::isfinite(step);
        const double axisMin = usable ? std::floor(minimum / step) * step : 0.0;
        const double ticks = usable ? std::ceil((maximum - axisMin) / step) : 0.0;
        int count = std::max(tickCount, std::clamp(TruncToInt32(ticks), 1, kMaxTicks));
        const float axisMax = static_cast<float>(count * static_cast<double>(step) + axisMin);
        if (!usable || !std::isfinite(static_cast<float>(axisMin)) || !std::isfinite(ticks) ||
            !std::isfinite(axisMax)) {
            // Values too large or not finite to scale: one unit per tick from
            // the minimum, so painting still has a finite axis to draw.
            slot.step = 1.0f;
            slot.axisMin = std::isfinite(slot.minimum) ? slot.minimum : 0.0f;
            slot.ticks = tickCount;
            slot.axisMax = slot.axisMin + static_cast<float>(tickCount);
            continue;
        }
        tickCount = count;
        slot.step = step;
        slot.axisMin = static_cast<float>(axisMin);
        slot.ticks = count;
        slot.axisMax = axisMax;
    }
    return tickCount;
}

int TimeStep(double seconds) {
    static constexpr int kSteps[] = {1, 2, 5, 10, 30, 60, 300, 600, 1800, 3600, 7200, 18000, 36000};
    for (int step : kSteps)
        if (step >= seconds) return step;
    return 36000;
}

std::int64_t AlignTime(std::int64_t t, std::int64_t step) {
    std::time_t time = static_cast<std::time_t>(t);
    const std::tm* fields = std::localtime(&time);
    if (!fields) return t;
    if (step % 60 != 0) return t - fields->tm_sec;
    if (step % 3600 != 0) return t - fields->tm_min * 60 - fields->tm_sec;
    return LocalTimeToSeconds(fields->tm_year + 1900LL, fields->tm_mon + 1LL, fields->tm_mday, 0, 0,
                              0);
}

std::string FormatSpan(std::int64_t seconds) {
    const std::int64_t parts[] = {seconds / 86400, seconds / 3600 % 24, seconds / 60 % 60,
                                  seconds % 60};
    static constexpr const char* kLetters[] = {"d", "h", "m", "s"};
    std::string text;
    bool written = false;
    for (int k = 0; k < 4; ++k) {
        bool smallerNonZero = false;
        for (int j = k + 1; j < 4; ++j) smallerNonZero = smallerNonZero || parts[j] != 0;
        if (parts[k] == 0 && !(written && smallerNonZero)) continue;
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%lld%s ", static_cast<long long>(parts[k]),
                      kLetters[k]);
        text += buffer;
        written = true;
    }
    return text;
}

int XPixel(double x, double xFrom, double xTo, int plotLeft, int plotWidth) {
    if (xTo == xFrom) return plotLeft;
    return ClampToInt32(std::int64_t{plotLeft} +
                        TruncToInt32((x - xFrom) * plotWidth / (xTo - xFrom)));
}

}  // namespace kadenzo
