#include "ChartMarkers.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace kadenzo {

int SampleNearestPixel(const CRecording& recording, const XScale& scale, int firstVisible,
                       int lastVisible, int pixel) {
    if (recording.samples.empty()) return -1;
    const int end = recording.count() - 1;
    firstVisible = std::clamp(firstVisible, 0, end);
    lastVisible = std::clamp(lastVisible, 0, end);
    // Every visible sample is looked at: many samples share a column in a long
    // recording, and the x values of a damaged file need not rise.
    int best = firstVisible;
    std::int64_t bestDistance = std::numeric_limits<std::int64_t>::max();
    for (int i = firstVisible; i <= lastVisible; ++i) {
        const std::int64_t distance =
            std::llabs(std::int64_t{scale.SamplePixel(recording.samples[i])} - pixel);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
            if (distance == 0) break;
        }
    }
    return best;
}

void ChartMarkers::Reset(int count) {
    markers_ = {};
    markers_[0].sample = count > 0 ? 0 : -1;
    markers_[1].sample = count > 0 ? count - 1 : -1;
    active_ = 0;
}

void ChartMarkers::Set(int first, int second, int count) {
    if (first >= 0 && first < count) markers_[0].sample = first;
    if (second >= 0 && second < count) markers_[1].sample = second;
}

void ChartMarkers::Place(const CRecording& recording, const XScale& scale) {
    for (Marker& marker : markers_) {
        if (marker.sample >= 0 && marker.sample < recording.count())
            marker.pixel = scale.SamplePixel(recording.samples[marker.sample]);
        else
            marker.pixel = scale.plotLeft;
    }
}

ChartMarkers::MouseOutcome ChartMarkers::MouseMove(int x, bool leftButton,
                                                   const CRecording& recording, const XScale& scale,
                                                   int plotRight) {
    MouseOutcome outcome;
    if (recording.samples.empty()) return outcome;
    if (!leftButton) {
        const std::int64_t d0 = std::llabs(std::int64_t{x} - markers_[0].pixel);
        const std::int64_t d1 = std::llabs(std::int64_t{x} - markers_[1].pixel);
        int taken = -1;
        if (d0 <= kReach || d1 <= kReach) taken = d0 < d1 ? 0 : d1 < d0 ? 1 : active_;
        markers_[0].grabbed = taken == 0;
        markers_[1].grabbed = taken == 1;
        return outcome;
    }
    const int k = markers_[0].grabbed ? 0 : markers_[1].grabbed ? 1 : -1;
    if (k < 0) return outcome;
    Marker& marker = markers_[k];
    active_ = k;
    outcome.moved = k;
    outcome.oldPixel = marker.pixel;
    const int pixel = std::clamp(x, scale.plotLeft, std::max(scale.plotLeft, plotRight));
    const int sample = SampleNearestPixel(recording, scale, 0, recording.count() - 1, pixel);
    outcome.changed = sample != marker.sample;
    marker.sample = sample;
    marker.pixel = scale.SamplePixel(recording.samples[sample]);
    return outcome;
}

bool ChartMarkers::Step(int direction, bool large, const CRecording& recording,
                        const XScale& scale) {
    const int step = (large ? kLargeStep : 1) * (direction < 0 ? -1 : 1);
    return MoveTo(active_, markers_[active_].sample + step, recording, scale);
}

bool ChartMarkers::MoveTo(int k, int sample, const CRecording& recording, const XScale& scale) {
    if (recording.samples.empty()) return false;
    active_ = k == 0 ? 0 : 1;
    Marker& marker = markers_[active_];
    sample = std::clamp(sample, 0, recording.count() - 1);
    if (sample == marker.sample) return false;
    marker.sample = sample;
    marker.pixel = scale.SamplePixel(recording.samples[sample]);
    return true;
}

}  // namespace kadenzo
