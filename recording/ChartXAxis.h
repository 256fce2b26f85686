#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "HeartRateGeometry.h"
#include "Recording.h"

namespace kadenzo {

// One label of the x-axis: its tick's pixel column and its text.
struct XAxisLabel {
    int x = 0;
    std::string text;
    friend bool operator==(const XAxisLabel&, const XAxisLabel&) = default;
};

// The labels of the x-axis, about one per 90 pixels of the window's width,
// at round steps: clock times ("10:15", "10:15:30") on a time-of-day axis,
// spans ("1h 30m ") on an elapsed-time axis, distances with the unit label on
// a distance axis. A label that would not fit before the plot's right edge
// ends the row. No labels when the x range is below 1.
std::vector<XAxisLabel> XAxisLabels(const CRecording& recording, const XScale& scale, int plotRight,
                                    int windowWidth, const std::string& distanceUnit);

// The elapsed time t moved back to the start of its minute (step not a
// multiple of 60), its hour (a multiple of 60 but not of 3600) or its day.
// Unlike AlignTime it does not read t as a calendar time, so the labels of
// an elapsed-time axis fall on whole hours in every time zone.
std::int64_t AlignElapsed(std::int64_t t, std::int64_t step);

}  // namespace kadenzo
