#include "KnownRecordings.h"

#include <string_view>
#include <unordered_set>

#include "Database.h"
#include "RecordingFile.h"
#include "RecordingPaths.h"

namespace kadenzo {

KnownRecordings KnownRecordings::OfDiary(const CDatabase& log, const std::string& diaryPath) {
    return OfStoredPaths(RecordingPathsOf(log), diaryPath);
}

KnownRecordings KnownRecordings::OfStoredPaths(const std::vector<std::string>& stored,
                                               const std::string& diaryPath) {
    KnownRecordings known;
    std::unordered_set<std::string> seen;
    for (const std::string& recordingPath : stored) {
        std::string path = ResolveRecordingPath(recordingPath, diaryPath);
        if (!seen.insert(path).second) continue;
        if (std::optional<FileIdentity> identity = IdentifyFile(path, IsFitFileName(path)))
            known.Add(std::move(path), *identity);
    }
    return known;
}

std::vector<std::string> RecordingPathsOf(const CDatabase& log) {
    std::vector<std::string> paths;
    std::unordered_set<std::string_view> seen;
    for (const auto& workout : log.Workouts())
        if (!workout->recordingPath.empty() && seen.insert(workout->recordingPath).second)
            paths.push_back(workout->recordingPath);
    return paths;
}

void KnownRecordings::Add(std::string path, const FileIdentity& identity,
                          std::optional<std::uint64_t> hash) {
    if (identity.fitId && identity.fitId->Identifies())
        fitActivities_.emplace(*identity.fitId->serialNumber, *identity.fitId->timeCreated);
    bySize_.emplace(identity.size, entries_.size());
    entries_.push_back({std::move(path), hash});
}

bool KnownRecordings::Holds(const FileIdentity& identity,
                            const std::function<const std::string*()>& contents) {
    const std::optional<FitFileId>& id = identity.fitId;
    if (id && id->Identifies() && fitActivities_.count({*id->serialNumber, *id->timeCreated}) != 0)
        return true;
    auto [first, last] = bySize_.equal_range(identity.size);
    if (first == last) return false;
    const std::string* bytes = contents();
    if (!bytes) return false;
    const std::uint64_t hash = ContentHash(*bytes);
    for (auto it = first; it != last; ++it)
        if (SameBytes(entries_[it->second], *bytes, hash)) return true;
    return false;
}

bool KnownRecordings::SameBytes(Entry& entry, const std::string& bytes, std::uint64_t hash) {
    if (entry.unreadable) return false;
    if (!entry.hash) {
        std::optional<std::string> own = ReadRecordingFile(entry.path);
        if (!own) {
            entry.unreadable = true;
            return false;
        }
        entry.hash = ContentHash(*own);
        if (*entry.hash == hash) return *own == bytes;
        return false;
    }
    if (*entry.hash != hash) return false;
    // Equal hashes: the bytes decide.
    std::optional<std::string> own = ReadRecordingFile(entry.path);
    return own && *own == bytes;
}

}  // namespace kadenzo
