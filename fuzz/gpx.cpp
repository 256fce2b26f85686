// Any bytes as a ".gpx" file (see TrackFileChecks.h).
#include "GpxReader.h"
#include "TrackFileChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return CheckTrackFile(kadenzo::ReadGpx, data, size);
}
