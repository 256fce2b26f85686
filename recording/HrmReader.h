#pragma once

#include <string>
#include <string_view>

#include "Recording.h"
#include "RecordingFile.h"

namespace kadenzo {

// Reads a Polar ".hrm" file: "[Params]" gives date, start time, sampling
// interval, length and the columns present; "[HRData]" holds one row per
// interval. Sample 0 is the start (time 0, distance 0, the channels of the
// first row); the last sample's time is the declared length. A file whose
// data end more than an interval before that length was cut off: its whole
// rows are read with their own times (kCutShort). Leaves the recording
// untouched when the file cannot be read.
LoadResult LoadHrm(CRecording& recording, std::string path, const RecordingReadContext& context);

// The same on the file's bytes (read as text: "\r\n" counts as "\n").
LoadResult ReadHrm(CRecording& recording, std::string_view bytes,
                   const RecordingReadContext& context);

}  // namespace kadenzo
