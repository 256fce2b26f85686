#pragma once

#include <cstdint>
#include <string>

#include "RecordingSummary.h"

namespace kadenzo {

// What the recording import dialog hands back when it is confirmed.
struct ImportedFigures {
    std::string path;  // the recording file, UTF-8 as the file system names it; "" for none
    // Sample indices of the two chart markers as they stand (not sorted); the
    // markers the dialog was opened with when no recording was loaded.
    int marker1 = -1;
    int marker2 = -1;
    RangeSummary whole;  // the whole recording, pauses left out if so chosen
    RangeSummary part;   // the marked section, pauses left out if so chosen
};

// The figures of the performance page that an import sets.
struct PerformanceFigures {
    double wholeDistance = 0;  // in the user's distance unit
    double wholeDuration = 0;  // minutes
    std::uint8_t wholeAverage = 0;
    std::uint8_t wholeMax = 0;
    double partDistance = 0;
    double partDuration = 0;
    std::uint8_t partAverage = 0;
    std::uint8_t partMax = 0;
    int marker1 = -1;
    int marker2 = -1;
    std::string recordingPath;  // Windows-1252, as the workout stores it
    friend bool operator==(const PerformanceFigures&, const PerformanceFigures&) = default;
};

// A distance in whole units cut (not rounded) to two decimals. The summary's
// distances are whole thousandths, so they are cut from the thousandths: a
// float near 1.13 still gives 1.13, not 1.12.
double ImportedDistance(float distance);
// A heart rate as the page holds it: truncated, kept within 0 ... 255.
std::uint8_t ImportedHeartRate(float beatsPerMinute);

// True when taking the import would put 0 where the page holds another value
// (distances and heart rates; durations are always taken). The page then asks
// whether the empty values should be taken as well.
bool ImportBlanksFigures(const PerformanceFigures& page, const ImportedFigures& imported);

// The page's figures after the import: durations and markers always; distances
// and heart rates where the recording has them, and also where it has none
// when takeEmpty is set. The recording's path replaces the page's when the
// dialog names one, so that the stored markers belong to the stored file.
PerformanceFigures TakeImportedFigures(PerformanceFigures page, const ImportedFigures& imported,
                                       bool takeEmpty);

}  // namespace kadenzo
