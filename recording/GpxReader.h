#pragma once

#include <string>
#include <string_view>

#include "Recording.h"
#include "RecordingFile.h"

namespace kadenzo {

// Reads a ".gpx" file (GPX 1.0 or 1.1): the points of its tracks with
// elevation and, from Garmin's track point extension, heart rate, cadence and
// air temperature (power where a writer adds it). The distance is summed along
// the positions within each segment. The title is the first track's name, and
// the first track's type is taken as a FIT sport name for the activity's sport.
LoadResult LoadGpx(CRecording& recording, std::string path, const RecordingReadContext& context);

// The same on the file's bytes; always empties the recording first.
LoadResult ReadGpx(CRecording& recording, std::string_view bytes,
                   const RecordingReadContext& context);

}  // namespace kadenzo
