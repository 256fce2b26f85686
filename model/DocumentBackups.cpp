#include "DocumentBackups.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string_view>
#include <tuple>

#include "Archive.h"
#include "AtomicFile.h"
#include "DocumentFile.h"

namespace kadenzo {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kExtension = ".kdz";
constexpr std::size_t kStampLength = 15;    // YYYYMMDD-HHMMSS
constexpr std::size_t kMaxNameBytes = 200;  // leaves room for the stamp within 255 bytes
constexpr int kMaxCopiesPerSecond = 1000;

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A copy's place in time, from what its name holds after "<diary>-".
struct CopyOrder {
    std::string stamp;
    long counter = 1;  // the first copy in a second has no counter
    bool operator<(const CopyOrder& other) const {
        return std::tie(stamp, counter) < std::tie(other.stamp, other.counter);
    }
};

// "YYYYMMDD-HHMMSS.kdz" or "YYYYMMDD-HHMMSS-N.kdz"; false for anything else.
bool ParseCopySuffix(std::string_view suffix, CopyOrder& order) {
    if (!suffix.ends_with(kExtension)) return false;
    suffix.remove_suffix(kExtension.size());
    if (suffix.size() < kStampLength || suffix[8] != '-' || !IsDigits(suffix.substr(0, 8)) ||
        !IsDigits(suffix.substr(9, 6)))
        return false;
    order.stamp = std::string(suffix.substr(0, kStampLength));
    std::string_view counter = suffix.substr(kStampLength);
    if (counter.empty()) return true;
    if (counter[0] != '-' || !IsDigits(counter.substr(1)) || counter.size() > 7) return false;
    order.counter = std::stol(std::string(counter.substr(1)));
    return true;
}

std::string Stamp(std::int64_t now) {
    const std::time_t time = static_cast<std::time_t>(now);
    std::tm fields{};
    if (!localtime_r(&time, &fields)) gmtime_r(&time, &fields);
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", fields.tm_year + 1900,
                  fields.tm_mon + 1, fields.tm_mday, fields.tm_hour, fields.tm_min, fields.tm_sec);
    return text;
}

// Deletes the oldest copies beyond keep, sparing `fresh`; the first failure.
std::string Prune(const std::string& folder, const std::string& name, int keep,
                  const std::string& fresh) {
    std::vector<std::string> copies = ListBackups(folder, name);
    std::size_t excess = copies.size() > static_cast<std::size_t>(keep)
                             ? copies.size() - static_cast<std::size_t>(keep)
                             : 0;
    for (const std::string& copy : copies) {
        if (excess == 0) break;
        if (copy == fresh) continue;
        std::error_code error;
        if (!fs::remove(copy, error) && error)
            return "cannot delete '" + copy + "': " + error.message();
        --excess;
    }
    return {};
}

}  // namespace

std::string BackupDiaryName(const std::string& documentPath) {
    std::string name = fs::path(documentPath).filename().string();
    if (name.size() >= kExtension.size()) {
        std::string tail = name.substr(name.size() - kExtension.size());
        std::transform(tail.begin(), tail.end(), tail.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (tail == kExtension) name.resize(name.size() - kExtension.size());
    }
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    }
    if (!name.empty() && name[0] == '.') name[0] = '_';
    if (name.size() > kMaxNameBytes) {
        std::size_t cut = kMaxNameBytes;
        // Not inside a UTF-8 sequence: back up over continuation bytes.
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
        name.resize(cut);
    }
    return name.empty() ? "diary" : name;
}

std::vector<std::string> ListBackups(const std::string& folder, const std::string& diaryName) {
    std::vector<std::pair<CopyOrder, std::string>> found;
    const std::string prefix = diaryName + "-";
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string file = it->path().filename().string();
        CopyOrder order;
        if (!file.starts_with(prefix) ||
            !ParseCopySuffix(std::string_view(file).substr(prefix.size()), order))
            continue;
        std::error_code typeError;
        if (it->is_regular_file(typeError)) found.emplace_back(order, it->path().string());
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> copies;
    for (auto& [order, path] : found) copies.push_back(std::move(path));
    return copies;
}

std::string BackupFolderFor(const std::string& documentPath, const std::string& backupsFolder) {
    std::error_code error;
    const fs::path own = fs::absolute(documentPath, error).lexically_normal().parent_path();
    // Without an absolute path (no current folder) the copies share the top
    // folder rather than risk a path that leads out of it.
    if (error || !own.is_absolute()) return backupsFolder;
    return (fs::path(backupsFolder) / own.relative_path()).string();
}

BackupResult BackUpBeforeSave(const std::string& documentPath, const std::string& backupsFolder,
                              std::int64_t now, int keep) {
    BackupResult result;
    if (keep <= 0) return result;
    try {
        std::error_code error;
        const fs::file_status status = fs::status(documentPath, error);
        if (!fs::exists(status)) return result;  // a first save replaces nothing
        if (!fs::is_regular_file(status)) {
            result.problem = "backup failed: '" + documentPath + "' is not a file";
            return result;
        }
        const std::string folder = BackupFolderFor(documentPath, backupsFolder);
        fs::create_directories(folder, error);
        if (error || !fs::is_directory(folder)) {
            result.problem = "backup failed: cannot create the folder '" + folder +
                             "': " + (error ? error.message() : "a file is in the way");
            return result;
        }
        const std::string name = BackupDiaryName(documentPath);
        const std::string base = (fs::path(folder) / (name + "-" + Stamp(now))).string();
        std::string copy = base + std::string(kExtension);
        for (int n = 2; fs::exists(copy) && n <= kMaxCopiesPerSecond; ++n)
            copy = base + "-" + std::to_string(n) + std::string(kExtension);
        if (fs::exists(copy)) {
            result.problem = "backup failed: too many copies made in one second";
            return result;
        }
        const std::vector<std::uint8_t> bytes = ReadWholeFile(documentPath);
        WriteFileAtomically(copy, [&](CArchive& ar) { ar.WriteRaw(bytes.data(), bytes.size()); });
        result.copy = copy;
        if (std::string failure = Prune(folder, name, keep, copy); !failure.empty())
            result.problem = "backup made, but an old copy is left: " + failure;
    } catch (const std::exception& e) {
        result.problem = std::string("backup failed: ") + e.what();
    } catch (...) {
        result.problem = "backup failed: unexpected error";
    }
    return result;
}

}  // namespace kadenzo
