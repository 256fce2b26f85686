#include "DeviceFolders.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>

#include "ActivityFiles.h"
#include "DeviceScan.h"
#include "FileIdentity.h"

namespace kadenzo {
namespace fs = std::filesystem;
namespace {

bool SameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        return lower(x) == lower(y);
    });
}

// The entry of folder whose name reads `name` in any letter case.
std::vector<fs::path> FoldersNamed(const fs::path& folder, std::string_view name) {
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (SameLetters(it->path().filename().string(), name) && it->is_directory(typeError))
            found.push_back(it->path());
    }
    return found;
}

void AddActivityFolders(const fs::path& base, std::vector<std::string>& found) {
    for (const fs::path& garmin : FoldersNamed(base, "garmin")) {
        for (std::string_view name : {"activity", "activities"})
            for (const fs::path& activity : FoldersNamed(garmin, name))
                found.push_back(activity.string());
    }
}

}  // namespace

std::vector<std::string> FindDeviceActivityFolders(const std::string& root) {
    std::vector<std::string> found;
    AddActivityFolders(root, found);
    for (const std::string& below : SubFolders(root)) AddActivityFolders(below, found);
    std::sort(found.begin(), found.end());
    return found;
}

bool IsDeviceFileSystem(std::string_view type) {
    static constexpr std::array<std::string_view, 20> kSystem{
        "autofs", "binfmt_misc", "bpf",        "cgroup",    "cgroup2", "configfs", "debugfs",
        "devpts", "devtmpfs",    "efivarfs",   "hugetlbfs", "mqueue",  "nsfs",     "overlay",
        "proc",   "pstore",      "securityfs", "squashfs",  "sysfs",   "tmpfs"};
    return std::find(kSystem.begin(), kSystem.end(), type) == kSystem.end();
}

std::vector<std::string> SubFolders(const std::string& folder) {
    std::vector<std::string> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError) && !it->is_symlink(typeError))
            found.push_back(it->path().string());
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::uint64_t FolderSignature(const std::string& folder) {
    std::string listing;
    for (const FoundFile& file : FindActivityFiles(folder)) {
        std::error_code error;
        const std::uintmax_t size = fs::file_size(file.path, error);
        listing += file.name;
        listing += '\0';
        listing += std::to_string(error ? 0 : size);
        listing += '\n';
    }
    return ContentHash(listing);
}

bool FolderChanges::Changed(const std::string& folder, std::uint64_t signature) {
    auto [entry, added] = seen_.try_emplace(folder, signature);
    if (added) return true;
    if (entry->second == signature) return false;
    entry->second = signature;
    return true;
}

DeviceLookResult LookForNewActivities(DeviceLook look) {
    DeviceLookResult result;
    for (const std::string& volume : look.volumes)
        for (std::string& folder : FindDeviceActivityFolders(volume))
            result.present.push_back(std::move(folder));
    for (const std::string& folder : look.importFolders) result.present.push_back(folder);
    std::optional<KnownRecordings> known;  // gathered once, when a folder needs a count
    for (const std::string& folder : result.present) {
        try {
            if (!look.changes.Changed(folder, FolderSignature(folder))) continue;
            if (!known) known = KnownRecordings::OfStoredPaths(look.recordingPaths, look.diaryPath);
            if (const std::size_t count = CountNewActivities(folder, *known))
                result.announced.push_back({folder, count});
        } catch (const std::exception&) {
            look.changes.Forget(folder);
        }
    }
    result.changes = std::move(look.changes);
    return result;
}

}  // namespace kadenzo
