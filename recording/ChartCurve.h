#pragma once

#include <vector>

#include "HeartRateGeometry.h"
#include "Recording.h"

namespace kadenzo {

// A long recording has far more samples than the plot has pixel columns. The
// chart draws each run of consecutive samples that share a column as one
// stroke from the run's lowest to its highest value, joined to the runs
// beside it at its first and last value: the pixels of a line through every
// sample, with at most two strokes per column, so a day at one sample per
// second draws about as fast as an hour.

// Consecutive samples first ... last that fall into pixel column x.
struct ColumnRun {
    int x = 0;
    int first = 0;
    int last = 0;
};

// The runs of samples firstVisible ... lastVisible (clamped to the recording).
std::vector<ColumnRun> ColumnRuns(const CRecording& recording, const XScale& scale,
                                  int firstVisible, int lastVisible);

struct ChartPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

struct ChartSegment {
    ChartPoint from;
    ChartPoint to;
};

// The strokes of one channel's line on the slot's axis: per run one vertical
// stroke from its lowest to its highest value, and one from the previous
// run's last value to this run's first. When the previous run stands in the
// column just left, the join is folded into the vertical stroke (it reaches
// to the previous run's last value), so every row is drawn once. A line of a
// single point is one stroke of no length.
std::vector<ChartSegment> CurveSegments(const CRecording& recording, int channel,
                                        const std::vector<ColumnRun>& runs, const ChannelSlot& slot,
                                        const PlotRect& plot);

}  // namespace kadenzo
