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

bool EndsWithNoCase(const std::string& text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<long>(suffix.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
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

LoadResult LoadRecording(CRecording& recording, std::string& path,
                         const RecordingReadContext& context) {
    recording.Clear();
    recording.activity = {};
    // The HAC readers answer with a bare status: they read whatever follows
    // the one signature they check, the TOUR1 one.
    auto described = [&](LoadStatus status) -> LoadResult {
        if (status == LoadStatus::kCannotOpen) return {status, UnreadableFileMessage(path)};
        if (status == LoadStatus::kNotRecognised)
            return {status, "is not a TOUR1 file: it does not begin with that signature"};
        return status;
    };
    if (EndsWithNoCase(path, ".hrm")) return LoadHrm(recording, path, context);
    if (EndsWithNoCase(path, ".tur")) return described(LoadTur(recording, path, context));
    if (EndsWithNoCase(path, ".tour")) return described(LoadTour(recording, path, context));
    if (EndsWithNoCase(path, ".fit")) return LoadFit(recording, path, context);
    if (EndsWithNoCase(path, ".tcx")) return LoadTcx(recording, path, context);
    if (EndsWithNoCase(path, ".gpx")) return LoadGpx(recording, path, context);
    path.clear();
    return {LoadStatus::kUnknownType, "is not a .hrm, .tur, .tour, .fit, .tcx or .gpx file"};
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
