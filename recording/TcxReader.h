#pragma once

#include <string>
#include <string_view>

#include "Recording.h"
#include "RecordingFile.h"

namespace kadenzo {

// Reads a Garmin Training Center ".tcx" file: the track points of its
// activities (and courses) with heart rate, cadence, power, altitude and the
// distance the file gives, or else the distance along the positions. The
// title is the activity's sport and the note its notes. The activity facts
// hold that sport as a FIT sport name ("Biking" is cycling, "Other" none) and
// the number of activities as sessions.
LoadResult LoadTcx(CRecording& recording, std::string path, const RecordingReadContext& context);

// The same on the file's bytes; always empties the recording first.
LoadResult ReadTcx(CRecording& recording, std::string_view bytes,
                   const RecordingReadContext& context);

}  // namespace kadenzo
