#pragma once

#include <string>
#include <string_view>

#include "Recording.h"
#include "RecordingFile.h"

namespace kadenzo {

// Reads the record messages of a Garmin ".fit" activity: heart rate, cadence,
// power, temperature, altitude and the cumulative distance, one sample per
// second that has a record. The start is the first record's time. A file cut
// short keeps the complete records (kCutShort); a damaged one keeps nothing.
LoadResult LoadFit(CRecording& recording, std::string path, const RecordingReadContext& context);

// The same on the file's bytes; always empties the recording first.
LoadResult ReadFit(CRecording& recording, std::string_view bytes,
                   const RecordingReadContext& context);

}  // namespace kadenzo
