#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "AnalysisCalendar.h"
#include "AnalysisKeys.h"
#include "ResourceIds.h"

namespace kadenzo {

class CDatabase;
class CLibrary;
class ChartContent;
class StringTable;
struct UnitSettings;

// What the analysis view sums and how it splits the sums.
struct AnalysisChoice {
    int rangeCommand = ID_RANGE_4_WEEKS;   // one of the fourteen ranges
    bool showDistance = false;             // distance in the user's unit, else hours
    std::int32_t groupKey = kKeyCategory;  // one bar per id of this key; kKeyNone: one bar
    std::int32_t layerKey = kKeyNone;      // each bar stacked by this key; kKeyNone: one layer
    std::int32_t filterKey = kKeyNone;     // only workouts whose id of this key ...
    std::int32_t filterValue = 0;          // ... is this one
    int referenceDay = 0;                  // the last period holds this day
};

// The sums of one period. Every period holds the same groups in the same
// order, and groups with the same id hold the same layers in the same order:
// a group or layer met in one period is created in all of them at once.
struct AnalysisLayer {
    std::int32_t id = kKeyNone;
    double sum = 0;
};
struct AnalysisGroup {
    std::int32_t id = kKeyNone;
    double sum = 0;
    std::vector<AnalysisLayer> layers;
};
struct AnalysisPeriod {
    PeriodSpan span;
    std::vector<AnalysisGroup> groups;
};

// Sums the chart value of every workout of the periods, found through the
// log's date index. Workouts with a value of 0 and those the filter rejects
// create nothing. Groups and layers appear in the order their first workouts
// come in the log.
std::vector<AnalysisPeriod> SumPeriods(const CDatabase& log, const CLibrary& library,
                                       const UnitSettings& units,
                                       const std::vector<PeriodSpan>& spans,
                                       const AnalysisChoice& choice);

// A group's place on the chart: groups sorted by their total over all
// periods, largest first, equal totals in the order they were met. `other`
// marks those only shown inside the collective slot.
struct GroupTotal {
    std::string name;
    std::size_t index = 0;  // in every period's groups
    double total = 0;
    bool other = false;
};

// The order of the bars when each period has room for `slotCount` of them: with
// more groups than slots, the last slot collects every group from there on.
std::vector<GroupTotal> OrderGroups(const std::vector<AnalysisPeriod>& periods,
                                    std::int32_t groupKey, int slotCount, const CLibrary& library);

// One bar as the chart draws it.
struct ShownLayer {
    std::int32_t id = kKeyNone;
    std::string name;  // the layer's cell label; empty when the bars are not split
    double sum = 0;
};
struct ShownGroup {
    bool collective = false;  // the slot that sums every group not shown on its own
    std::int32_t id = kKeyNone;
    std::string name;  // the slot label; empty for the chart of totals
    double sum = 0;
    std::vector<ShownLayer> layers;
    std::optional<std::uint32_t> colour;  // nothing: the chart's own colour of the slot
};
struct ShownPeriod {
    PeriodSpan span;
    std::vector<ShownGroup> groups;  // in slot order; slots beyond them stay empty
};

// Everything one rebuild of the chart computes.
struct AnalysisResult {
    std::vector<ShownPeriod> periods;
    int slotCount = 0;  // bar positions per period, also when fewer groups exist
    int layers = 0;     // the most layers of a bar
};

// Periods, sums, order and labels of the chart for the choice. Texts: 33000
// (week labels), 33001 (the collective slot) and the month names of DateNames.
AnalysisResult Analyse(const CDatabase& log, const CLibrary& library, const UnitSettings& units,
                       const StringTable& texts, const AnalysisChoice& choice);

// Puts the result into the chart's content: dimensions, labels, values and
// the slot colours (the collective slot light grey).
void FillChartContent(const AnalysisResult& result, ChartContent& content);

}  // namespace kadenzo
