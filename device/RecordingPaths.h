#pragma once

#include <string>
#include <string_view>

namespace kadenzo {

// A diary keeps the recordings imported from devices in a folder beside it,
// "NAME-recordings" for "NAME.kdz", and its workouts name them relative to
// the diary's folder ("NAME-recordings/run.fit"), so that the diary and its
// recordings move and sync together.

// "NAME-recordings" for the diary at diaryPath (UTF-8), a name its workouts
// can store (see StorableFileName).
std::string RecordingsFolderName(const std::string& diaryPath);

// The file to open for a workout's stored recording path (Windows-1252): a
// relative path is taken from the diary's folder, an absolute one (also a
// Windows path with a drive letter) as it is; "" for none. UTF-8.
std::string ResolveRecordingPath(std::string_view stored, const std::string& diaryPath);

// The path (UTF-8) a workout that stored `stored` keeps once the recording
// import took the file at `taken` (UTF-8): the stored one while it names that
// file, so that a path relative to the diary stays relative; else `taken`.
std::string PathAfterImport(std::string_view stored, const std::string& taken,
                            const std::string& diaryPath);

// A file name (UTF-8) whose every character the stored paths, which are
// Windows-1252, can hold: the others (and bytes that are no UTF-8) become "_".
std::string StorableFileName(std::string_view name);

}  // namespace kadenzo
