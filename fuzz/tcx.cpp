// Any bytes as a ".tcx" file (see TrackFileChecks.h).
#include "TcxReader.h"
#include "TrackFileChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return CheckTrackFile(kadenzo::ReadTcx, data, size);
}
