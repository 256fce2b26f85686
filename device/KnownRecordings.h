#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "FileIdentity.h"

namespace kadenzo {

class CDatabase;

// Recordings an activity file may already be: those the diary's workouts
// refer to, and the files an import has taken so far. A file is one of them
// when its bytes are equal to one's, or when it is the same FIT activity
// (file ids with serial number and time created). Bytes are read only for
// files of equal size, so a folder of files already imported is told apart
// by sizes and the heads of FIT files.
class KnownRecordings {
public:
    // The recordings the workouts of log refer to, their paths taken from
    // the diary's folder when relative; files that cannot be read are left
    // out. Copies no workout refers to (left by an import since undone) are
    // not among them.
    static KnownRecordings OfDiary(const CDatabase& log, const std::string& diaryPath);
    // The same from the workouts' stored paths alone (see RecordingPathsOf),
    // for a thread that may not read the log while the program changes it.
    static KnownRecordings OfStoredPaths(const std::vector<std::string>& stored,
                                         const std::string& diaryPath);

    // A file known from now on; the hash when its bytes were already read.
    void Add(std::string path, const FileIdentity& identity,
             std::optional<std::uint64_t> hash = std::nullopt);

    // Whether a file of this identity is one of them. contents hands over the
    // file's bytes (null when they cannot be read); it is called only when a
    // known file has the same size.
    bool Holds(const FileIdentity& identity, const std::function<const std::string*()>& contents);

    std::size_t size() const { return entries_.size(); }

private:
    struct Entry {
        std::string path;
        std::optional<std::uint64_t> hash;
        bool unreadable = false;
    };
    bool SameBytes(Entry& entry, const std::string& bytes, std::uint64_t hash);

    std::vector<Entry> entries_;
    std::multimap<std::uintmax_t, std::size_t> bySize_;
    std::set<std::pair<std::uint32_t, std::uint32_t>> fitActivities_;  // serial, time created
};

// The recording paths the workouts of log store, once each, as stored.
std::vector<std::string> RecordingPathsOf(const CDatabase& log);

}  // namespace kadenzo
