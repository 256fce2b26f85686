#include "ConflictedCopies.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "AtomicFile.h"
#include "DocumentBackups.h"
#include "DocumentFile.h"

namespace kadenzo::sync {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxNameTries = 1000;

struct NameParts {
    std::string_view stem;
    std::string_view extension;  // with its dot, "" when there is none
};

NameParts Split(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return {name, {}};
    return {name.substr(0, dot), name.substr(dot)};
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Takes `count` digits off the front of text.
bool TakeDigits(std::string_view& text, std::size_t count) {
    if (text.size() < count) return false;
    for (std::size_t i = 0; i < count; ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    text.remove_prefix(count);
    return true;
}

bool TakeText(std::string_view& text, std::string_view expected) {
    if (!text.starts_with(expected)) return false;
    text.remove_prefix(expected.size());
    return true;
}

// "YYYYMMDD-HHMMSS"
bool TakeCompactStamp(std::string_view& text) {
    return TakeDigits(text, 8) && TakeText(text, "-") && TakeDigits(text, 6);
}

bool IsSyncthing(std::string_view middle) {
    if (!TakeText(middle, ".sync-conflict-") || !TakeCompactStamp(middle) ||
        !TakeText(middle, "-") || middle.empty())
        return false;
    return std::all_of(middle.begin(), middle.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

bool IsOldNextcloud(std::string_view middle) {
    return TakeText(middle, "_conflict-") && TakeCompactStamp(middle) && middle.empty();
}

// " (... conflicted copy ...)": the parentheses must pair up inside, so that
// "NAME (old) (conflicted copy ...)" is a copy of the diary "NAME (old)".
std::optional<SyncProgram> ParenthesisedCopy(std::string_view middle) {
    if (!TakeText(middle, " (") || !middle.ends_with(')')) return std::nullopt;
    const std::string_view inner = middle.substr(0, middle.size() - 1);
    int depth = 0;
    for (char c : inner) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (depth < 0) return std::nullopt;
    }
    if (depth != 0 || inner.find("conflicted copy") == std::string_view::npos) return std::nullopt;
    std::string_view rest = inner;
    const bool nextcloud = TakeText(rest, "conflicted copy ") && TakeDigits(rest, 4) &&
                           TakeText(rest, "-") && TakeDigits(rest, 2) && TakeText(rest, "-") &&
                           TakeDigits(rest, 2) && TakeText(rest, " ") && TakeDigits(rest, 6) &&
                           rest.empty();
    return nextcloud ? SyncProgram::Nextcloud : SyncProgram::Dropbox;
}

}  // namespace

std::optional<SyncProgram> RecogniseConflictedCopy(std::string_view diaryFileName,
                                                   std::string_view fileName) {
    const NameParts diary = Split(diaryFileName);
    if (diary.stem.empty() || fileName.size() <= diaryFileName.size() ||
        !fileName.starts_with(diary.stem))
        return std::nullopt;
    const std::string_view extension = fileName.substr(fileName.size() - diary.extension.size());
    if (!EqualNoCase(extension, diary.extension)) return std::nullopt;
    const std::string_view middle = fileName.substr(
        diary.stem.size(), fileName.size() - diary.stem.size() - diary.extension.size());
    if (IsSyncthing(middle)) return SyncProgram::Syncthing;
    if (IsOldNextcloud(middle)) return SyncProgram::Nextcloud;
    return ParenthesisedCopy(middle);
}

std::vector<ConflictedCopy> FindConflictedCopies(const std::string& diaryPath) {
    const fs::path diary(diaryPath);
    const std::string diaryName = diary.filename().string();
    const fs::path folder = diary.has_parent_path() ? diary.parent_path() : fs::path(".");
    std::vector<ConflictedCopy> copies;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::optional<SyncProgram> program =
            RecogniseConflictedCopy(diaryName, it->path().filename().string());
        std::error_code typeError;
        if (program && it->is_regular_file(typeError))
            copies.push_back({it->path().string(), *program});
    }
    std::sort(copies.begin(), copies.end(),
              [](const ConflictedCopy& a, const ConflictedCopy& b) { return a.path < b.path; });
    return copies;
}

std::string MoveMergedCopy(const std::string& copyPath, const std::string& diaryPath,
                           const std::string& backupsFolder) {
    const fs::path folder = BackupFolderFor(diaryPath, backupsFolder);
    std::error_code error;
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder))
        throw std::runtime_error("cannot create the folder '" + folder.string() + "'");
    const std::string name = fs::path(copyPath).filename().string();
    const NameParts parts = Split(name);
    const std::string stem = std::string(parts.stem) + ".merged";
    fs::path target = folder / (stem + std::string(parts.extension));
    for (int n = 2; fs::exists(target) && n <= kMaxNameTries; ++n)
        target = folder / (stem + "-" + std::to_string(n) + std::string(parts.extension));
    if (fs::exists(target)) throw std::runtime_error("no free name for '" + name + "'");

    fs::rename(copyPath, target, error);
    if (!error) return target.string();
    if (error != std::errc::cross_device_link)
        throw std::runtime_error("cannot move '" + copyPath + "': " + error.message());
    // Another file system: a complete copy first, then the original goes.
    try {
        const std::vector<std::uint8_t> bytes = ReadWholeFile(copyPath);
        WriteFileAtomically(target.string(),
                            [&](CArchive& ar) { ar.WriteRaw(bytes.data(), bytes.size()); });
    } catch (const std::exception& e) {
        throw std::runtime_error("cannot move '" + copyPath + "': " + e.what());
    }
    if (!fs::remove(copyPath, error) || error)
        throw std::runtime_error("copied '" + copyPath + "' to '" + target.string() +
                                 "' but cannot remove it: " + error.message());
    return target.string();
}

}  // namespace kadenzo::sync
