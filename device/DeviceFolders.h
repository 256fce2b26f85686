#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kadenzo {

// Watches keep their activities in a folder of their own: "GARMIN/Activity"
// on a mass-storage watch, "Garmin/Activities" on newer ones, in whatever
// letter case the file system shows. It lies at the volume's root, or one
// folder below where an MTP device shows its storage as a folder
// ("Internal Storage").

// The activity folders on the volume mounted at root, by name; none when
// root cannot be read.
std::vector<std::string> FindDeviceActivityFolders(const std::string& root);

// Whether a volume of this file system type may be a device: not the
// kernel's and memory's own (proc, tmpfs, cgroup...), which hold none and
// are many.
bool IsDeviceFileSystem(std::string_view type);

// The folders directly below folder, by name: the desktop's gvfs folder
// holds one per device it mounted. None when folder cannot be read.
std::vector<std::string> SubFolders(const std::string& folder);

// A number that changes when an activity file below folder comes, goes or
// changes its size. Throws std::runtime_error when folder cannot be read.
std::uint64_t FolderSignature(const std::string& folder);

// Which folders have been looked at, and as they were: a folder is counted
// when it is new or has changed since, so the notice tells of a device once
// and again only after it changed.
class FolderChanges {
public:
    // True, and remembered, when folder reads otherwise than when it was
    // last seen (or was never seen).
    bool Changed(const std::string& folder, std::uint64_t signature);
    // Forgets a folder, so that it counts as new when it is seen again (its
    // count could not be taken).
    void Forget(const std::string& folder) { seen_.erase(folder); }

private:
    std::map<std::string, std::uint64_t, std::less<>> seen_;
};

// What one look for new activities goes by: the volumes mounted (their
// roots), the import folders the user named, the recordings the diary refers
// to, and what was seen before. Copies all, so the look can run beside the
// program while the diary changes.
struct DeviceLook {
    std::vector<std::string> volumes;
    std::vector<std::string> importFolders;
    std::vector<std::string> recordingPaths;  // as the workouts store them
    std::string diaryPath;
    FolderChanges changes;
};

struct NewActivities {
    std::string folder;
    std::size_t count = 0;
};

struct DeviceLookResult {
    FolderChanges changes;                 // to go by next time
    std::vector<std::string> present;      // every activity folder there is now
    std::vector<NewActivities> announced;  // folders new or changed, with activities to import
};

// Looks at every device activity folder of the volumes and every import
// folder: one that is new or has changed since is counted against the
// diary's recordings, and told of when it holds new activities. A folder
// that cannot be read is passed over, and looked at again next time.
DeviceLookResult LookForNewActivities(DeviceLook look);

}  // namespace kadenzo
