#pragma once

#include <string>

namespace kadenzo {

// The calendar file the program writes again after every save of one diary,
// so that a calendar program subscribed to it (in a synced folder) follows
// the plan. It belongs to the diary it was chosen for: saving another diary
// never puts that diary's plan (and its UIDs) into the subscribed calendar.
// Paths are the file system's bytes.
struct CalendarSubscription {
    std::string calendarPath;  // empty: no calendar is written after a save
    std::string diaryPath;     // empty: the diary saved next (it had no file yet)
    bool operator==(const CalendarSubscription&) const = default;
};

// Whether two paths name one file: the same file on disk, or, for files not
// (yet) there, the same path once made absolute and normal.
bool SameFile(const std::string& a, const std::string& b);

// Whether saving the diary at savedDiaryPath writes the subscription's calendar.
bool WritesAfterSave(const CalendarSubscription& subscription, const std::string& savedDiaryPath);

// What keeps a path from taking the plan's calendar.
enum class CalendarPathProblem {
    kNone,
    kEmpty,   // no path given
    kFolder,  // a folder is there
    kDiary,   // the diary's own file: the calendar would replace the diary
};
CalendarPathProblem CheckCalendarPath(const std::string& calendarPath,
                                      const std::string& diaryPath);

// The calendar file offered first: the subscription's when it is this
// diary's; else the diary's name with ".ics" beside it; for a diary without
// a file "plan.ics" in fallbackFolder.
std::string SuggestedCalendarPath(const CalendarSubscription& subscription,
                                  const std::string& diaryPath, const std::string& fallbackFolder);

}  // namespace kadenzo
