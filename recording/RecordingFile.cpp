#include "RecordingFile.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "FitReader.h"
#include "GpxReader.h"
#include "HrmReader.h"
#include "TcxReader.h"
#include "TourReader.h"
#include "TurReader.h"

namespace kadenzo {
namespace {

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<long>(suffix.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

enum class Format { kNone, kHrm, kTur, kTour, kFit, kTcx, kGpx };

Format FormatOf(std::string_view name) {
    if (EndsWithNoCase(name, ".hrm")) return Format::kHrm;
    if (EndsWithNoCase(name, ".tur")) return Format::kTur;
    if (EndsWithNoCase(name, ".tour")) return Format::kTour;
    if (EndsWithNoCase(name, ".fit")) return Format::kFit;
    if (EndsWithNoCase(name, ".tcx")) return Format::kTcx;
    if (EndsWithNoCase(name, ".gpx")) return Format::kGpx;
    return Format::kNone;
}

}  // namespace

std::optional<std::string> ReadRecordingFile(const std::string& path) {
    if (path.empty()) return std::nullopt;
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes;
    // Sized from the file's length when it has one, so the bytes are read in
    // one go; a stream that grows or has no length is read in chunks.
    std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxRecordingFileSize) return std::nullopt;
    if (!error) {
        bytes.resize(static_cast<std::size_t>(size));
        file.read(bytes.data(), static_cast<std::streamsize>(size));
        bytes.resize(static_cast<std::size_t>(file.gcount()));
    }
    char chunk[65536];
    while (file) {
        file.read(chunk, sizeof chunk);
        bytes.append(chunk, static_cast<std::size_t>(file.gcount()));
        if (bytes.size() > kMaxRecordingFileSize) return std::nullopt;
    }
    if (file.bad()) return std::nullopt;
    return bytes;
}

std::string UnreadableFileMessage(const std::string& path) {
    if (path.empty()) return "cannot be read: no file name was given";
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) return "cannot be read: there is no such file";
    if (std::filesystem::is_directory(status)) return "cannot be read: it is a folder";
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxRecordingFileSize)
        return "cannot be read: at " + std::to_string(size >> 20) +
               " MB it is too large for a recording";
    if (::access(path.c_str(), R_OK) != 0) return "cannot be read: permission denied";
    return "cannot be read: the system reported a read error";
}

bool IsRecordingFileName(std::string_view name) { return FormatOf(name) != Format::kNone; }

bool IsFitFileName(std::string_view name) { return FormatOf(name) == Format::kFit; }

LoadResult ReadRecording(CRecording& recording, std::string_view name, std::string_view bytes,
                         const RecordingReadContext& context) {
    recording.Clear();
    recording.activity = {};
    switch (FormatOf(name)) {
        case Format::kHrm:
            return ReadHrm(recording, bytes, context);
        case Format::kTur:
            // The HAC readers answer with a bare status: they read whatever
            // follows the one signature they check, the TOUR1 one.
            ReadTur(recording, bytes, context);
            return {};
        case Format::kTour:
            if (ReadTour(recording, bytes, context)) return {};
            return {LoadStatus::kNotRecognised,
                    "is not a TOUR1 file: it does not begin with that signature"};
        case Format::kFit:
            return ReadFit(recording, bytes, context);
        case Format::kTcx:
            return ReadTcx(recording, bytes, context);
        case Format::kGpx:
            return ReadGpx(recording, bytes, context);
        case Format::kNone:
            break;
    }
    return {LoadStatus::kUnknownType, "is not a .hrm, .tur, .tour, .fit, .tcx or .gpx file"};
}

LoadResult LoadRecording(CRecording& recording, std::string& path,
                         const RecordingReadContext& context) {
    recording.Clear();
    recording.activity = {};
    if (FormatOf(path) == Format::kNone) {
        path.clear();
        return ReadRecording(recording, {}, {}, context);
    }
    std::optional<std::string> bytes = ReadRecordingFile(path);
    if (!bytes) return {LoadStatus::kCannotOpen, UnreadableFileMessage(path)};
    return ReadRecording(recording, path, *bytes, context);
}

std::vector<RecordingFileFilter> RecordingFileFilters() {
    return {{"Polar HRM", {"*.hrm", "*.HRM"}},
            {"Ciclosport HAC TUR", {"*.tur", "*.TUR"}},
            {"TOUR1", {"*.tour", "*.TOUR"}},
            {"Garmin FIT", {"*.fit", "*.FIT"}},
            {"Garmin Training Center TCX", {"*.tcx", "*.TCX"}},
            {"GPS Exchange GPX", {"*.gpx", "*.GPX"}}};
}

}  // namespace kadenzo
