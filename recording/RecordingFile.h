#pragma once

#include <optional>
#include <string>

#include "Recording.h"

namespace kadenzo {

// What a reader made of a file. The import dialog ignores it (an unreadable
// file simply shows an empty recording); kadenzo-tool reports it.
enum class LoadStatus {
    kLoaded,
    kCannotOpen,     // empty path, missing or unreadable file: recording untouched
    kNotRecognised,  // the file is not of the format its extension names
    kUnknownType,    // no reader for the extension
};

// Files larger than this are not recordings (a day at one sample per second
// is about 2 MB); they are refused as unreadable rather than read into memory.
constexpr std::size_t kMaxRecordingFileSize = 64u * 1024u * 1024u;

// The whole file, or nothing when it cannot be read or is too large.
std::optional<std::string> ReadRecordingFile(const std::string& path);

// Clears the recording and reads the file with the reader its extension names
// (".hrm", ".tur", ".tour", in any letter case). Any other extension sets
// path to "" and reads nothing.
LoadStatus LoadRecording(CRecording& recording, std::string& path,
                         const RecordingReadContext& context);

}  // namespace kadenzo
