#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kadenzo::sync {

// The programs whose conflicted copies are recognised by their names.
enum class SyncProgram { Syncthing, Dropbox, Nextcloud };

struct ConflictedCopy {
    std::string path;
    SyncProgram program;
};

// Whether fileName (no folder) is a conflicted copy that a sync program left
// of the diary named diaryFileName: "NAME.sync-conflict-YYYYMMDD-HHMMSS-DEVICE.kdz"
// (Syncthing), "NAME (... conflicted copy ...).kdz" (Dropbox; Nextcloud writes
// "NAME (conflicted copy YYYY-MM-DD HHMMSS).kdz") and
// "NAME_conflict-YYYYMMDD-HHMMSS.kdz" (Nextcloud's older clients). A copy of
// another diary whose name begins alike is not one.
std::optional<SyncProgram> RecogniseConflictedCopy(std::string_view diaryFileName,
                                                   std::string_view fileName);

// The conflicted copies of the diary in its folder, by name.
std::vector<ConflictedCopy> FindConflictedCopies(const std::string& diaryPath);

// After its changes were merged into the diary, moves the copy into the
// diary's backups folder (see BackupFolderFor) as "<copy>.merged.kdz", with
// "-2", "-3" ... when that name is taken: it is kept, never deleted, and
// never taken for a backup that rotation may delete. Returns the new path.
// Throws std::runtime_error, leaving the copy where it was.
std::string MoveMergedCopy(const std::string& copyPath, const std::string& diaryPath,
                           const std::string& backupsFolder);

}  // namespace kadenzo::sync
