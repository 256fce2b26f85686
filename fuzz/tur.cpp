// Any bytes as a ".tur" file: never a crash, a hang or more samples than bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "RecordingSummary.h"
#include "TurReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kadenzo::CRecording recording;
    kadenzo::ReadTur(recording, std::string_view(reinterpret_cast<const char*>(data), size),
                     kadenzo::RecordingReadContext{});
    if (recording.samples.size() > size) std::abort();
    kadenzo::SummariseRange(recording, recording.count() - 1, 0, true);
    return 0;
}
