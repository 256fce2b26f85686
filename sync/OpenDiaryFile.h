#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "LastSeenVersion.h"

namespace kadenzo::sync {

// What the file of the open diary holds, as far as the program must act on it.
enum class DiskNews {
    Nothing,  // what the diary was read from or saved as, or a version it has merged
    Missing,  // gone (a sync program may be replacing it): a save writes it anew
    Changed,  // another writer's version: to be merged, or reloaded
};

// The file of the diary the program has open, and the versions of it that
// the diary in memory stands on: the one last read or written (kept as a copy
// beside the backups, the base of every merge) and the one last merged in
// without a save since.
class OpenDiaryFile {
public:
    // An empty backupsFolder keeps no copy of the version last seen.
    OpenDiaryFile(std::string path, std::string backupsFolder,
                  std::int64_t settleNanoseconds = kStampSettleNanoseconds);

    const std::string& Path() const { return path_; }
    // After the diary was read from or written to the file with these bytes:
    // they become the base of the next merge. Never throws; Remembered().problem
    // says when the copy could not be kept.
    void Remember(std::span<const std::uint8_t> bytes);
    const RememberedVersion& Remembered() const { return remembered_; }
    // After the diary in memory took in the changes of the file while it held
    // these bytes, as a step the user may still undo. The base stays as it
    // was until a save, so that a merge undone is made again then.
    void Merged(std::span<const std::uint8_t> bytes);

    // Looks at the file. mergedMark is the VersionHash of the version the
    // diary in memory has merged in its current state (CKadenzoDoc's
    // MergedMark): while the file holds that version it brings nothing new.
    // A stat while the file is as last seen and its stamp has settled, a
    // hash of the file otherwise.
    DiskNews Check(std::uint64_t mergedMark);

    // The file's bytes now. Throws ArchiveError when it cannot be read.
    std::vector<std::uint8_t> Read() const;
    // The remembered version's bytes, from its copy while that still holds
    // them; nothing otherwise (a merge then goes two ways).
    std::optional<std::vector<std::uint8_t>> Base() const;

private:
    bool SettledStamp(const FileStamp& stamp) const;

    std::string path_;
    std::string backupsFolder_;
    std::int64_t settle_;
    RememberedVersion remembered_;
    std::optional<RememberedVersion> merged_;  // its size and hash, no copy
    // The settled stamp of the file when it was last found changed: the same
    // stamp again is the same news, without reading the file once more.
    std::optional<FileStamp> changedStamp_;
};

}  // namespace kadenzo::sync
