// Any bytes as a ".fit" file (see TrackFileChecks.h).
#include "FitReader.h"
#include "TrackFileChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return CheckTrackFile(kadenzo::ReadFit, data, size);
}
