#include "MarkerText.h"

#include <algorithm>
#include <utility>

#include "AppContext.h"
#include "Formats.h"
#include "RecordingTime.h"
#include "TextFormat.h"
#include "Units.h"

namespace kadenzo {
namespace {

constexpr std::uint32_t kMarkerDistanceText = 33040;  // marker number, distance, unit
constexpr std::uint32_t kMarkerTimeText = 33041;      // marker number, time text

std::string MarkerText(const CRecording& recording, int k, const RecordingSample& sample,
                       int axisMode) {
    switch (axisMode) {
        case kAxisDistance:
            return FormatText(App().Text(kMarkerDistanceText),
                              {k, sample.distance * 0.001, UnitLabel(kUnitDistance)});
        case kAxisTimeOfDay:
            return FormatText(
                App().Text(kMarkerTimeText),
                {k, FormatLocalTime(recording.start + sample.time, "%a., %d.%b.%y %H:%M:%S")});
        default:
            return FormatText(App().Text(kMarkerTimeText),
                              {k, FormatDuration(sample.time / 60.0, true)});
    }
}

}  // namespace

std::array<std::string, 2> MarkerTexts(const CRecording& recording, int marker1, int marker2,
                                       int axisMode) {
    if (recording.samples.empty()) return {};
    const int end = recording.count() - 1;
    marker1 = std::clamp(marker1, 0, end);
    marker2 = std::clamp(marker2, 0, end);
    if (marker1 > marker2) std::swap(marker1, marker2);
    return {MarkerText(recording, 1, recording.samples[marker1], axisMode),
            MarkerText(recording, 2, recording.samples[marker2], axisMode)};
}

}  // namespace kadenzo
