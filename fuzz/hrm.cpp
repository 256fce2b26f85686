// Any bytes as a ".hrm" file: the reader must neither crash nor hang, and
// what it builds must keep the recording's invariants.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "HrmReader.h"
#include "RecordingSummary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kadenzo::CRecording recording;
    kadenzo::ReadHrm(recording, std::string_view(reinterpret_cast<const char*>(data), size),
                     kadenzo::RecordingReadContext{});
    if (recording.count() == 1) std::abort();           // sample 0 never stands alone
    if (recording.samples.size() > size) std::abort();  // one sample per row at most
    kadenzo::SummariseRange(recording, 0, recording.count() - 1, true);
    return 0;
}
