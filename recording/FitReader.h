#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ActivityFacts.h"
#include "Recording.h"
#include "RecordingFile.h"

namespace kadenzo {

// Reads the record messages of a Garmin ".fit" activity: heart rate, cadence,
// power, temperature, altitude and the cumulative distance, one sample per
// second that has a record. The start is the first record's time. A file cut
// short keeps the complete records (kCutShort); a damaged one keeps nothing.
// The recording's activity facts take the file id, the first session's sport
// and sub-sport (the sport message's where no session was written, as in a
// file cut short), the number of sessions and the activity's local time.
LoadResult LoadFit(CRecording& recording, std::string path, const RecordingReadContext& context);

// The same on the file's bytes; always empties the recording first.
LoadResult ReadFit(CRecording& recording, std::string_view bytes,
                   const RecordingReadContext& context);

// The file id of a FIT file from its first bytes (a file's head is enough:
// the id comes first); nothing when they hold no FIT header or no file id.
std::optional<FitFileId> ReadFitFileId(std::string_view head);

}  // namespace kadenzo
