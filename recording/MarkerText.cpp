#include "MarkerText.h"

#include <algorithm>
#include <utility>

#include "DateNames.h"
#include "Formats.h"
#include "RecordingTime.h"
#include "TextFormat.h"
#include "Units.h"

namespace kadenzo {
namespace {

constexpr std::uint32_t kMarkerDistanceText = 33040;  // marker number, distance, unit
constexpr std::uint32_t kMarkerTimeText = 33041;      // marker number, time text

std::string MarkerText(const CRecording& recording, int k, const RecordingSample& sample,
                       int axisMode, const UnitSettings& units, const StringTable& texts) {
    switch (axisMode) {
        case kAxisDistance:
            return FormatText(texts.Text(kMarkerDistanceText),
                              {k, sample.distance * 0.001, UnitLabel(kUnitDistance, units, texts)});
        case kAxisTimeOfDay:
            return FormatText(texts.Text(kMarkerTimeText),
                              {k, FormatTimeStamp(recording.start + sample.time,
                                                  "%a., %d.%b.%y %H:%M:%S", DateNames::From(texts))});
        default:
            return FormatText(texts.Text(kMarkerTimeText),
                              {k, FormatDuration(sample.time / 60.0, true)});
    }
}

}  // namespace

std::array<std::string, 2> MarkerTexts(const CRecording& recording, int marker1, int marker2,
                                       int axisMode, const UnitSettings& units,
                                       const StringTable& texts) {
    if (recording.samples.empty()) return {};
    const int end = recording.count() - 1;
    marker1 = std::clamp(marker1, 0, end);
    marker2 = std::clamp(marker2, 0, end);
    if (marker1 > marker2) std::swap(marker1, marker2);
    return {MarkerText(recording, 1, recording.samples[marker1], axisMode, units, texts),
            MarkerText(recording, 2, recording.samples[marker2], axisMode, units, texts)};
}

}  // namespace kadenzo
