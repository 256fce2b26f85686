#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "Database.h"
#include "ImportPlan.h"
#include "Units.h"

namespace kadenzo {

class CKadenzoDoc;

struct ApplySettings {
    UnitSettings units;   // the unit the plan's figures were read in
    bool dryRun = false;  // changes the document, but copies no file
    // The name of the library's built-in sport, added should an activity
    // need it and the library lack it.
    std::string otherSportName;
};

// An activity the import put into the diary.
struct ImportedActivity {
    std::size_t row = 0;  // in the plan
    bool filled = false;  // it filled a workout of the diary; else it is a new workout
    CDatabase::WorkoutHandle workout = 0;
    std::string recordingPath;  // what the workout stores, Windows-1252
};

struct ApplyResult {
    std::vector<ImportedActivity> imported;  // in the order of the plan's rows
    // Files that vanished, changed since the scan or could not be copied, and
    // rows whose workout left the diary; the others are imported all the same.
    std::vector<FailedFile> failed;
    bool changed = false;
    std::optional<int> firstDay;  // the first day that changed
};

// Puts the plan's activities into the diary (the document saved at
// diaryPath) as they are chosen, as one change of the document: the
// recordings are copied into the diary's recordings folder first (nothing on
// the device changes), then every workout is filled or added, and a template
// is added to the library for a sport that has none. Throws
// std::runtime_error for a diary never saved (it has no folder yet), and
// whatever the document's change throws, the document then as before.
ApplyResult ApplyImport(CKadenzoDoc& doc, const ImportPlan& plan, const std::string& diaryPath,
                        const ApplySettings& settings);

// The workout's performed figures after taking the activity as the
// recording import takes a whole recording: durations and markers always,
// distances and heart rates where the recording has them (a value typed by
// hand is not blanked by a recording without it), the marked section equal
// to the whole; the plan stays.
void TakeActivity(CWorkOut& workout, const DeviceActivity& activity,
                  const std::string& recordingPath, const UnitSettings& units);

}  // namespace kadenzo
