#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ActivityFiles.h"
#include "FileIdentity.h"
#include "ImportedFigures.h"
#include "Units.h"

namespace kadenzo {

class CLibrary;
class SportTable;

// One activity read from a device file, with what the import shows of it
// and puts into a workout.
struct DeviceActivity {
    std::string file;  // below the device folder, "/" between folders
    std::string path;  // the full path
    FileIdentity identity;
    std::uint64_t hash = 0;  // ContentHash of the bytes read, to notice a file changed since
    double start = 0;        // date-time in the activity's own local time
    std::string kind;        // "cycling/mountain", "running"; "" for none
    std::uint32_t sportId = 0;
    // The whole recording as the import dialog sums it up, pauses counted, in
    // the distance unit it was read with; the marked section is the whole,
    // the markers on the first and last sample.
    ImportedFigures figures;
    double duration = 0;  // minutes
    double distance = 0;  // kilometres
    std::uint8_t averagePulse = 0;
    std::uint8_t maxPulse = 0;
    std::string note;  // what the reader noticed of a file cut short; "" for a whole file

    int Day() const;
};

// Why a file could not be taken, for the window's list in the user's
// language; the reason's own words go to kadenzo-tool's report.
enum class FailedWhy {
    kCannotOpen,
    kNotRecognised,  // not what its extension says
    kNoSamples,
    kDamaged,
    kWorkoutGone,   // the workout it was to fill was deleted meanwhile
    kWorkoutTaken,  // another activity fills that workout
    kChanged,       // the file changed between reading and importing
    kCannotCopy,    // no copy beside the diary could be made
};

// What reading one file gave.
struct ActivityReading {
    enum class Outcome {
        kActivity,
        kNotAnActivity,  // a FIT course, workout, settings file...
        kFailed,         // unreadable, or nothing in it to chart: see reason
    };
    Outcome outcome = Outcome::kFailed;
    DeviceActivity activity;
    std::string reason;  // the reader's, worded to follow the file's name
    FailedWhy why = FailedWhy::kCannotOpen;
};

struct ActivityReadSettings {
    UnitSettings units;        // the distance unit the figures are taken in
    std::int64_t now = 0;      // the start of a file that names none
    const SportTable* sports;  // kinds to sports of library
    const CLibrary* library;
};

// Reads an activity file whose bytes were read already.
ActivityReading ReadActivity(const FoundFile& file, const std::string& bytes,
                             const ActivityReadSettings& settings);

// Whether a FIT file says it holds no activity (a course, a workout...). One
// that names no type is taken as an activity.
bool IsOtherFitFile(const FileIdentity& identity);

// The date-time of an instant in the activity's own local time: with the
// offset from UTC the file gives, else in the computer's time zone.
double ActivityDateTime(std::int64_t seconds, std::optional<std::int64_t> localOffset);

}  // namespace kadenzo
