#pragma once

#include "Recording.h"

namespace kadenzo {

// The figures the import dialog shows for a stretch of a recording.
struct RangeSummary {
    float distance = 0;  // in the user's distance unit (kilometres or miles)
    float duration = 0;  // seconds
    float average = 0;   // beats per minute; 0 when no sample is counted
    float maximum = 0;   // beats per minute
};

// A standstill (a run of samples whose cumulative distance does not change)
// counts as a pause only when it lasts longer than this many seconds.
constexpr double kPauseSeconds = 60.0;

// Summary of samples first ... last inclusive (either order; indices outside
// the recording are moved to its first or last sample). With excludePauses the
// pauses are left out of the duration and the heart-rate average. All figures
// are 0 for a recording without samples.
RangeSummary SummariseRange(const CRecording& recording, int first, int last, bool excludePauses);

}  // namespace kadenzo
