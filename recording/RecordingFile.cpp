#include "RecordingFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "HrmReader.h"
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

LoadStatus LoadRecording(CRecording& recording, std::string& path,
                         const RecordingReadContext& context) {
    recording.Clear();
    if (EndsWithNoCase(path, ".hrm")) return LoadHrm(recording, path, context);
    if (EndsWithNoCase(path, ".tur")) return LoadTur(recording, path, context);
    if (EndsWithNoCase(path, ".tour")) return LoadTour(recording, path, context);
    path.clear();
    return LoadStatus::kUnknownType;
}

}  // namespace kadenzo
