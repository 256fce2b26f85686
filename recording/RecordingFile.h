#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Recording.h"

namespace kadenzo {

// What a reader made of a file. The import dialog may ignore it (an unreadable
// file simply shows an empty recording); kadenzo-tool reports it.
enum class LoadStatus {
    kLoaded,
    kCannotOpen,     // empty path, missing or unreadable file: recording untouched
    kNotRecognised,  // the file is not of the format its extension names
    kUnknownType,    // no reader for the extension
    kCutShort,       // the file ends early: the samples are those read before the cut
    kDamaged,        // the file is of its format but malformed: no samples
    kNoSamples,      // the file is well formed but holds nothing timed to chart
};

// The status and what was wrong with the file, worded to follow its name:
// "'ride.fit' " + message reads "'ride.fit' is damaged: its checksum does not
// match" ("" when the file was read whole). Converts to the status, so
// callers that only branch on it need not change.
struct LoadResult {
    LoadStatus status = LoadStatus::kLoaded;
    std::string message;

    LoadResult() = default;
    LoadResult(LoadStatus s, std::string text = {}) : status(s), message(std::move(text)) {}
    operator LoadStatus() const { return status; }
    // Whether the recording holds what the file has (whole or up to a cut).
    bool WasRead() const {
        return status == LoadStatus::kLoaded || status == LoadStatus::kCutShort;
    }
};

// Files larger than this are not recordings (a day at one sample per second
// is about 2 MB); they are refused as unreadable rather than read into memory.
constexpr std::size_t kMaxRecordingFileSize = 64u * 1024u * 1024u;

// The whole file, or nothing when it cannot be read or is too large.
std::optional<std::string> ReadRecordingFile(const std::string& path);
// Why ReadRecordingFile gave nothing for path, as a sentence for the user.
std::string UnreadableFileMessage(const std::string& path);

// Clears the recording (samples and activity facts) and reads the file with
// the reader its extension names (".hrm", ".tur", ".tour", ".fit", ".tcx",
// ".gpx", in any letter case). Any other extension sets path to "" and reads
// nothing.
LoadResult LoadRecording(CRecording& recording, std::string& path,
                         const RecordingReadContext& context);
// The same on a file's bytes already read; name (a file name or path)
// chooses the reader.
LoadResult ReadRecording(CRecording& recording, std::string_view name, std::string_view bytes,
                         const RecordingReadContext& context);
// Whether LoadRecording reads a file of that name (or path); whether that is
// a FIT file.
bool IsRecordingFileName(std::string_view name);
bool IsFitFileName(std::string_view name);

// One entry of the import dialog's file chooser: a format's name and the
// patterns of its files (lower and upper case: devices write either).
struct RecordingFileFilter {
    std::string name;
    std::vector<std::string> patterns;
};
// The six formats LoadRecording reads, in the order the chooser lists them.
std::vector<RecordingFileFilter> RecordingFileFilters();

}  // namespace kadenzo
