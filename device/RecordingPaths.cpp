#include "RecordingPaths.h"

#include <filesystem>

#include "Cp1252.h"

namespace kadenzo {
namespace fs = std::filesystem;
namespace {

bool IsAbsolute(std::string_view path) {
    if (path.starts_with('/') || path.starts_with('\\')) return true;
    const bool driveLetter =
        path.size() >= 2 && path[1] == ':' &&
        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    return driveLetter;
}

// The length of the UTF-8 sequence that starts with this byte; 0 for a byte
// that starts none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

}  // namespace

std::string RecordingsFolderName(const std::string& diaryPath) {
    return StorableFileName(fs::path(diaryPath).stem().string()) + "-recordings";
}

std::string ResolveRecordingPath(std::string_view stored, const std::string& diaryPath) {
    if (stored.empty()) return {};
    std::string path = Cp1252ToUtf8(stored);
    if (IsAbsolute(path)) return path;
    const fs::path folder = fs::path(diaryPath).parent_path();
    if (folder.empty()) return path;  // the diary lies in the current folder
    return (folder / path).string();
}

std::string PathAfterImport(std::string_view stored, const std::string& taken,
                            const std::string& diaryPath) {
    if (!stored.empty() && ResolveRecordingPath(stored, diaryPath) == taken)
        return Cp1252ToUtf8(stored);
    return taken;
}

std::string StorableFileName(std::string_view name) {
    std::string storable;
    storable.reserve(name.size());
    for (std::size_t i = 0; i < name.size();) {
        std::size_t length = SequenceLength(static_cast<unsigned char>(name[i]));
        if (length == 0 || i + length > name.size()) length = 0;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(name[i + k]) & 0xC0) != 0x80) length = 0;
        const std::string_view character = name.substr(i, length == 0 ? 1 : length);
        const bool kept = length != 0 && Cp1252ToUtf8(Utf8ToCp1252(character)) == character;
        if (kept)
            storable += character;
        else
            storable += '_';
        i += character.size();
    }
    return storable;
}

}  // namespace kadenzo
