#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "Database.h"
#include "DeviceActivity.h"

namespace kadenzo {

// What becomes of an activity.
enum class ActivityOutcome {
    kFill,    // it fills a workout of its day: the planned one, or one typed in by hand
    kNew,     // a new workout on its day
    kChoose,  // two planned workouts fit about as well: the user chooses
    kSkip,    // the user leaves it out
};

// One new activity of a device and what becomes of it.
struct PlanRow {
    DeviceActivity activity;
    ActivityOutcome outcome = ActivityOutcome::kNew;
    CDatabase::WorkoutHandle workout = 0;  // the workout it fills (kFill)
    // The workouts that fit about as well, in log order (kChoose; kept when
    // the user chooses, so that the choice can be shown among them).
    std::vector<CDatabase::WorkoutHandle> candidates;
};

// A file that could not be taken, and why ("is damaged: ...", worded to
// follow the file's name).
struct FailedFile {
    std::string file;  // below the device folder
    std::string reason;
    FailedWhy why = FailedWhy::kCannotOpen;
};

// Everything a device folder holds for the diary, before anything changes:
// the new activities with their proposed outcomes, the files already
// imported and those that could not be read.
struct ImportPlan {
    std::vector<PlanRow> rows;            // by start, then file
    std::vector<std::string> duplicates;  // files below the folder, by name
    std::vector<FailedFile> failed;       // by name

    // Sets a row's outcome: kFill with a workout of the row's day (see
    // WorkoutsOfDay), or kNew, kSkip or kChoose. A workout that another row
    // fills is taken from it, and that row is to be chosen again. False, and
    // nothing changed, for a row or workout that does not fit.
    bool Choose(const CDatabase& log, std::size_t row, ActivityOutcome outcome,
                CDatabase::WorkoutHandle workout = 0);
    // The rows that put an activity into the diary.
    std::size_t ImportedCount() const;
};

// The workouts a row may fill: every workout of that day, in log order.
std::vector<CDatabase::WorkoutHandle> WorkoutsOfDay(const CDatabase& log, int day);

}  // namespace kadenzo
