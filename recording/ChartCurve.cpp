#include "ChartCurve.h"

#include <algorithm>

namespace kadenzo {

std::vector<ColumnRun> ColumnRuns(const CRecording& recording, const XScale& scale,
                                  int firstVisible, int lastVisible) {
    std::vector<ColumnRun> runs;
    if (recording.samples.empty()) return runs;
    const int end = recording.count() - 1;
    firstVisible = std::clamp(firstVisible, 0, end);
    lastVisible = std::clamp(lastVisible, 0, end);
    for (int i = firstVisible; i <= lastVisible; ++i) {
        const int x = scale.SamplePixel(recording.samples[i]);
        if (!runs.empty() && runs.back().x == x) {
            runs.back().last = i;
        } else {
            runs.push_back({x, i, i});
        }
    }
    return runs;
}

std::vector<ChartSegment> CurveSegments(const CRecording& recording, int channel,
                                        const std::vector<ColumnRun>& runs, const ChannelSlot& slot,
                                        const PlotRect& plot) {
    std::vector<ChartSegment> segments;
    segments.reserve(runs.size() * 2);
    const int count = recording.count();
    bool started = false;
    ChartPoint previous;
    for (const ColumnRun& run : runs) {
        if (run.first < 0 || run.last >= count || run.first > run.last) continue;
        float lowest = recording.samples[run.first].Channel(channel);
        float highest = lowest;
        for (int i = run.first + 1; i <= run.last; ++i) {
            const float value = recording.samples[i].Channel(channel);
            lowest = std::min(lowest, value);
            highest = std::max(highest, value);
        }
        const ChartPoint first{run.x,
                               YPixel(recording.samples[run.first].Channel(channel), slot, plot)};
        ChartPoint bottom{run.x, YPixel(lowest, slot, plot)};
        ChartPoint top{run.x, YPixel(highest, slot, plot)};
        if (started && run.x == previous.x + 1) {
            // The join from the column before stays within the two columns:
            // drawn as part of this column's stroke, its rows are drawn once.
            bottom.y = std::max(bottom.y, previous.y);
            top.y = std::min(top.y, previous.y);
            segments.push_back(bottom == top ? ChartSegment{previous, top}
                                             : ChartSegment{bottom, top});
        } else {
            if (started && !(previous == first)) segments.push_back({previous, first});
            if (!(bottom == top)) segments.push_back({bottom, top});
        }
        previous = {run.x, YPixel(recording.samples[run.last].Channel(channel), slot, plot)};
        started = true;
    }
    if (segments.empty() && started) segments.push_back({previous, previous});
    return segments;
}

}  // namespace kadenzo
