// Any bytes as a ".tour" file: never a crash, a hang or more samples than bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ChartScale.h"
#include "RecordingSummary.h"
#include "TourReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kadenzo::CRecording recording;
    kadenzo::ReadTour(recording, std::string_view(reinterpret_cast<const char*>(data), size),
                      kadenzo::RecordingReadContext{});
    if (recording.samples.size() > size) std::abort();
    kadenzo::SummariseRange(recording, 0, recording.count() - 1, false);
    // The float channels come straight from the file: the chart scale must cope.
    kadenzo::ChartSlots slots;
    kadenzo::ComputeValueRanges(slots, recording, 0, recording.count() - 1);
    for (kadenzo::ChannelSlot& slot : slots) slot.visible = true;
    kadenzo::ComputeAxisScale(slots, 5);
    return 0;
}
