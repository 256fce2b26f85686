#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace kadenzo::sync {

// What the file system tells of a file without reading it. Every write moves
// the change time, which no program can set back (unlike the modification
// time), and a replacement by rename brings another inode.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // nanoseconds since 1970
    std::int64_t changed = 0;   // nanoseconds since 1970
    bool operator==(const FileStamp&) const = default;
};

// The stamp of a regular file; nothing for anything else or a missing file.
std::optional<FileStamp> StampOf(const std::string& path);

// File systems keep time stamps coarsely (FAT to 2 s, most others to the
// kernel's tick): a write that follows the one a stamp shows within that
// time can leave the same stamp. A stamp taken this soon after the file
// changed is trusted only after a look at the content.
inline constexpr std::int64_t kStampSettleNanoseconds = 3'000'000'000;

// The version of a diary the program last read or wrote: its bytes in a copy
// of their own beside the backups (never pruned, not switched off with them;
// the base of a three-way merge), and what it takes to tell cheaply whether
// the file on disk still holds them.
struct RememberedVersion {
    std::string copyPath;  // "" when the copy could not be written
    std::string problem;   // for the user, "" when all went well
    std::uint64_t size = 0;
    std::uint64_t hash = 0;          // XXH3-64 of the bytes
    std::optional<FileStamp> stamp;  // the file while it held these bytes
    bool stampSettled = false;       // no later write can leave the same stamp
};

// The hash versions are told apart by (XXH3-64), as RememberedVersion keeps it.
std::uint64_t VersionHash(std::span<const std::uint8_t> bytes);

// "<backupsFolder>/<the diary's folder>/<diary>.last-seen.kdz", beside the
// diary's backups but under a name their rotation never takes for one.
std::string LastSeenCopyPath(const std::string& documentPath, const std::string& backupsFolder);

// Call after the diary at documentPath was read or written with these bytes.
// Writes the copy atomically and takes the file's stamp, but only while the
// file really holds the bytes (another writer may have come in between).
// Never throws: a copy that cannot be written fills `problem`. An empty
// backupsFolder keeps no copy (merges against it then go two ways).
RememberedVersion RememberVersion(const std::string& documentPath,
                                  std::span<const std::uint8_t> bytes,
                                  const std::string& backupsFolder,
                                  std::int64_t settleNanoseconds = kStampSettleNanoseconds);

enum class DiskState { Unchanged, Changed, Missing };

// Whether the file still holds the remembered bytes. A settled stamp that
// matches costs one stat; otherwise the content is hashed and, when it is
// unchanged, the fresh stamp is remembered so that the next check is a stat
// again. Right after a save the stamp has not settled: a check some seconds
// later (when the watcher of the open file hears the save) settles it, and
// the check before the next save is a stat. A file that cannot be read, or
// changes while it is read, counts as changed: nothing may be saved over it
// unmerged.
DiskState CheckDisk(const std::string& documentPath, RememberedVersion& remembered,
                    std::int64_t settleNanoseconds = kStampSettleNanoseconds);

// True when the file holds other bytes than remembered (a missing file holds
// nothing to merge).
inline bool DiskChangedSince(const std::string& documentPath, RememberedVersion& remembered) {
    return CheckDisk(documentPath, remembered) == DiskState::Changed;
}

}  // namespace kadenzo::sync
