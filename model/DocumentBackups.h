#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kadenzo {

// Dated copies of a diary's document file, kept before each save replaces it,
// so that a mistaken save (or a file a later version could not read) can be
// undone by opening an older copy.

// How many copies of each diary are kept unless the user chooses otherwise.
inline constexpr int kDefaultBackupCount = 10;

struct BackupResult {
    std::string copy;     // the copy made; "" when none was (nothing to copy, off, failed)
    std::string problem;  // for the user, "" when all went well: "backup failed: ..."
};

// Call before a save replaces the document file at documentPath: copies that
// file into its folder under backupsFolder (see BackupFolderFor; created when
// missing) as "<diary>-YYYYMMDD-HHMMSS.kdz", named after `now` (seconds since
// 1970, local time) with "-2", "-3" ... for more copies in the same second,
// then deletes the oldest copies of that diary beyond `keep` (never the one
// just made). keep 0 or less turns backups off. A document not yet on disk
// needs no copy. Never throws and never changes the document file: a failure
// only fills `problem`, and the save goes ahead.
BackupResult BackUpBeforeSave(const std::string& documentPath, const std::string& backupsFolder,
                              std::int64_t now, int keep = kDefaultBackupCount);

// Where the copies of the diary at documentPath go: its own folder's absolute
// path repeated under backupsFolder ("/home/anna/Training.kdz" keeps its
// copies in "<backupsFolder>/home/anna"), so that diaries of the same name in
// different folders keep separate series and never prune each other's.
std::string BackupFolderFor(const std::string& documentPath, const std::string& backupsFolder);

// "<diary>" in the copies' names: the document's file name without ".kdz",
// with characters other systems refuse in file names (and a leading dot)
// replaced by "_", shortened to fit a file name.
std::string BackupDiaryName(const std::string& documentPath);

// The copies of one diary in folder (full paths), oldest first; copies of
// other diaries, even with names that begin alike, are not listed.
std::vector<std::string> ListBackups(const std::string& folder, const std::string& diaryName);

}  // namespace kadenzo
