#pragma once

#include <string>
#include <string_view>

#include "Recording.h"
#include "RecordingFile.h"

namespace kadenzo {

// Reads a binary ".tour" file (signature "TOUR1"). Leaves the recording
// untouched when the file cannot be read or has another signature
// (kNotRecognised).
LoadStatus LoadTour(CRecording& recording, std::string path, const RecordingReadContext& context);

// The same on the file's bytes; false (and nothing changed) for another signature.
bool ReadTour(CRecording& recording, std::string_view bytes, const RecordingReadContext& context);

}  // namespace kadenzo
