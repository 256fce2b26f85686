#include "OpenDiaryFile.h"

#include <algorithm>
#include <chrono>

#include "Archive.h"
#include "DocumentFile.h"

namespace kadenzo::sync {

OpenDiaryFile::OpenDiaryFile(std::string path, std::string backupsFolder,
                             std::int64_t settleNanoseconds)
    : path_(std::move(path)),
      backupsFolder_(std::move(backupsFolder)),
      settle_(settleNanoseconds) {}

void OpenDiaryFile::Remember(std::span<const std::uint8_t> bytes) {
    remembered_ = RememberVersion(path_, bytes, backupsFolder_, settle_);
    merged_.reset();
    changedStamp_.reset();
}

void OpenDiaryFile::Merged(std::span<const std::uint8_t> bytes) {
    RememberedVersion merged;
    merged.size = bytes.size();
    merged.hash = VersionHash(bytes);
    merged_ = merged;
}

bool OpenDiaryFile::SettledStamp(const FileStamp& stamp) const {
    const std::int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
    return now - std::max(stamp.modified, stamp.changed) >= settle_;
}

DiskNews OpenDiaryFile::Check(std::uint64_t mergedMark) {
    std::optional<FileStamp> stamp;
    if (changedStamp_) stamp = StampOf(path_);
    const bool knownChanged = stamp && *stamp == *changedStamp_ && SettledStamp(*stamp);
    if (!knownChanged) {
        changedStamp_.reset();
        switch (CheckDisk(path_, remembered_, settle_)) {
            case DiskState::Unchanged:
                return DiskNews::Nothing;
            case DiskState::Missing:
                return DiskNews::Missing;
            case DiskState::Changed:
                break;
        }
        // A later write brings another stamp, so the stamp seen now can only
        // stand for this news or for a newer one.
        stamp = StampOf(path_);
        if (stamp && SettledStamp(*stamp)) changedStamp_ = stamp;
    }
    if (merged_ && merged_->hash == mergedMark &&
        CheckDisk(path_, *merged_, settle_) == DiskState::Unchanged)
        return DiskNews::Nothing;
    return DiskNews::Changed;
}

std::vector<std::uint8_t> OpenDiaryFile::Read() const { return ReadWholeFile(path_); }

std::optional<std::vector<std::uint8_t>> OpenDiaryFile::Base() const {
    if (remembered_.copyPath.empty()) return std::nullopt;
    try {
        std::vector<std::uint8_t> bytes = ReadWholeFile(remembered_.copyPath);
        // A copy that no longer holds what was remembered is no base at all.
        if (bytes.size() == remembered_.size && VersionHash(bytes) == remembered_.hash)
            return bytes;
    } catch (const ArchiveError&) {
    }
    return std::nullopt;
}

}  // namespace kadenzo::sync
