#pragma once

#include <array>

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

// Time in the five heart-rate zones, in seconds: 50-60, 60-70, 70-80, 80-90
// and 90-100 % of the maximum. A heart rate on a boundary belongs to the zone
// above it, one at or above the maximum to the top zone, one below 50 % to none.
inline constexpr int kHeartRateZones = 5;
using ZoneSeconds = std::array<double, kHeartRateZones>;

// The zone (0 ... 4) of a heart rate, or -1 for none (also without a maximum).
int HeartRateZone(double heartRate, int maxHeartRate);
// Over samples first ... last, taken as SummariseRange takes them: each
// sample's heart rate holds from the sample before it to this one. With
// excludePauses the pauses SummariseRange leaves out count in no zone.
ZoneSeconds TimeInZones(const CRecording& recording, int first, int last, int maxHeartRate,
                        bool excludePauses = false);

}  // namespace kadenzo
