#include "CalendarFile.h"

#include <filesystem>
#include <system_error>

namespace kadenzo {
namespace {

namespace fs = std::filesystem;

fs::path Normal(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(path), error);
    return (error ? fs::path(path) : absolute).lexically_normal();
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code error;
    // Links and other names of one file count as that file.
    if (fs::equivalent(fs::path(a), fs::path(b), error)) return true;
    return Normal(a) == Normal(b);
}

bool WritesAfterSave(const CalendarSubscription& subscription, const std::string& savedDiaryPath) {
    if (subscription.calendarPath.empty() || savedDiaryPath.empty()) return false;
    if (SameFile(subscription.calendarPath, savedDiaryPath)) return false;
    return subscription.diaryPath.empty() || SameFile(subscription.diaryPath, savedDiaryPath);
}

CalendarPathProblem CheckCalendarPath(const std::string& calendarPath,
                                      const std::string& diaryPath) {
    if (calendarPath.find_first_not_of(" \t") == std::string::npos)
        return CalendarPathProblem::kEmpty;
    std::error_code error;
    if (fs::is_directory(fs::path(calendarPath), error)) return CalendarPathProblem::kFolder;
    if (SameFile(calendarPath, diaryPath)) return CalendarPathProblem::kDiary;
    return CalendarPathProblem::kNone;
}

std::string SuggestedCalendarPath(const CalendarSubscription& subscription,
                                  const std::string& diaryPath, const std::string& fallbackFolder) {
    if (!subscription.calendarPath.empty() && !diaryPath.empty() &&
        SameFile(subscription.diaryPath, diaryPath))
        return subscription.calendarPath;
    if (diaryPath.empty()) return (fs::path(fallbackFolder) / "plan.ics").string();
    fs::path path(diaryPath);
    path.replace_extension(".ics");
    // A diary named *.ics keeps its own file.
    if (path == fs::path(diaryPath)) path += ".ics";
    return path.string();
}

}  // namespace kadenzo
