#pragma once
// What every reader of watch and GPS files must keep to on any bytes: never a
// crash, a hang or more samples than bytes; sample times rise strictly; a
// refused file leaves no samples; and the summaries and the chart's scale
// work on whatever was read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ChartScale.h"
#include "RecordingFile.h"
#include "RecordingSummary.h"

template <typename Read>
int CheckTrackFile(Read read, const std::uint8_t* data, std::size_t size) {
    kadenzo::CRecording recording;
    const kadenzo::LoadResult result =
        read(recording, std::string_view(reinterpret_cast<const char*>(data), size),
             kadenzo::RecordingReadContext{});
    if (recording.samples.size() > size) std::abort();
    if (!result.WasRead() && !recording.samples.empty()) std::abort();
    for (std::size_t i = 1; i < recording.samples.size(); ++i)
        if (recording.samples[i].time <= recording.samples[i - 1].time) std::abort();
    kadenzo::SummariseRange(recording, 0, recording.count() - 1, true);
    kadenzo::ChartSlots slots;
    kadenzo::ComputeValueRanges(slots, recording, 0, recording.count() - 1);
    for (kadenzo::ChannelSlot& slot : slots) slot.visible = true;
    kadenzo::ComputeAxisScale(slots, 5);
    return 0;
}
