#pragma once

#include <string>
#include <string_view>

#include "Recording.h"
#include "RecordingFile.h"

namespace kadenzo {

// Reads a Ciclosport HAC ".tur" file: text lines (title, texts, date, time,
// note lines, sample count) followed by 20-byte binary samples. Leaves the
// recording untouched when the file cannot be read.
LoadStatus LoadTur(CRecording& recording, std::string path, const RecordingReadContext& context);

// The same on the file's bytes.
void ReadTur(CRecording& recording, std::string_view bytes, const RecordingReadContext& context);

}  // namespace kadenzo
