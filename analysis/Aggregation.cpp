#include "Aggregation.h"

#include <algorithm>
#include <cmath>

#include "ChartContent.h"
#include "Database.h"
#include "CalendarDays.h"
#include "Library.h"
#include "StringTable.h"

namespace kadenzo {
namespace {

constexpr std::uint32_t kCollectiveColour = 0xE0E0E0;
constexpr const char* kEnglishOthers = "Others";

// The period holding the day, or null.
AnalysisPeriod* PeriodOf(std::vector<AnalysisPeriod>& periods, int day) {
    auto after = std::upper_bound(
        periods.begin(), periods.end(), day,
        [](int d, const AnalysisPeriod& period) { return d < period.span.startDay; });
    if (after == periods.begin()) return nullptr;
    AnalysisPeriod& period = *std::prev(after);
    return day < period.span.endDay ? &period : nullptr;
}

template <class T>
std::size_t IndexOfId(const std::vector<T>& items, std::int32_t id) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].id == id) return i;
    return items.size();
}

// Sorting must not depend on a total that is not a number.
double SortKey(double total) { return std::isnan(total) ? -HUGE_VAL : total; }

}  // namespace

std::vector<AnalysisPeriod> SumPeriods(const CDatabase& log, const CLibrary& library,
                                       const UnitSettings& units,
                                       const std::vector<PeriodSpan>& spans,
                                       const AnalysisChoice& choice) {
    std::vector<AnalysisPeriod> periods;
    periods.reserve(spans.size());
    for (const PeriodSpan& span : spans) periods.push_back({span, {}});
    if (periods.empty()) return periods;

    for (const CWorkOut* workout :
         WorkoutsOfDays(log, spans.front().startDay, spans.back().endDay)) {
        AnalysisPeriod* period = PeriodOf(periods, DayNumber(workout->date));
        if (!period) continue;
        const double value = ChartValueOf(*workout, choice.showDistance, units);
        if (value == 0) continue;
        if (choice.filterKey != kKeyNone &&
            KeyOf(*workout, choice.filterKey, library) != choice.filterValue)
            continue;

        const std::int32_t groupId =
            choice.groupKey == kKeyNone ? kKeyNone : KeyOf(*workout, choice.groupKey, library);
        const std::size_t g = IndexOfId(period->groups, groupId);
        if (g == period->groups.size()) {
            for (AnalysisPeriod& each : periods) each.groups.push_back({groupId, 0, {}});
        }
        AnalysisGroup& group = period->groups[g];

        const std::int32_t layerId =
            choice.layerKey == kKeyNone ? kKeyNone : KeyOf(*workout, choice.layerKey, library);
        const std::size_t l = IndexOfId(group.layers, layerId);
        if (l == group.layers.size()) {
            for (AnalysisPeriod& each : periods) each.groups[g].layers.push_back({layerId, 0});
        }
        group.layers[l].sum += value;
        group.sum += value;
    }
    return periods;
}

std::vector<GroupTotal> OrderGroups(const std::vector<AnalysisPeriod>& periods,
                                    std::int32_t groupKey, int slotCount, const CLibrary& library) {
    std::vector<GroupTotal> order;
    if (periods.empty()) return order;
    const std::vector<AnalysisGroup>& groups = periods.front().groups;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        GroupTotal entry;
        entry.index = g;
        if (groupKey != kKeyNone) entry.name = KeyName(groupKey, groups[g].id, library);
        for (const AnalysisPeriod& period : periods) entry.total += period.groups[g].sum;
        order.push_back(std::move(entry));
    }
    // Largest first; equal totals keep the order in which they were met.
    std::stable_sort(order.begin(), order.end(), [](const GroupTotal& a, const GroupTotal& b) {
        return SortKey(a.total) > SortKey(b.total);
    });
    if (static_cast<int>(order.size()) > slotCount) {
        for (std::size_t i = static_cast<std::size_t>(std::max(slotCount - 1, 0)); i < order.size();
             ++i)
            order[i].other = true;
    }
    return order;
}

AnalysisResult Analyse(const CDatabase& log, const CLibrary& library, const UnitSettings& units,
                       const StringTable& texts, const AnalysisChoice& choice) {
    AnalysisResult result;
    const AnalysisRange* range = FindRange(choice.rangeCommand);
    if (!range) return result;
    const std::vector<AnalysisPeriod> periods =
        SumPeriods(log, library, units, RangePeriods(choice.referenceDay, *range, texts), choice);
    result.slotCount = range->SlotsPerPeriod();
    const std::vector<GroupTotal> order =
        OrderGroups(periods, choice.groupKey, result.slotCount, library);
    const std::size_t shown = std::min(order.size(), static_cast<std::size_t>(result.slotCount));

    // The layer count covers every group shown with its own bar.
    for (std::size_t s = 0; s < shown && !order[s].other; ++s) {
        const auto& layers = periods.front().groups[order[s].index].layers;
        result.layers = std::max(result.layers, static_cast<int>(layers.size()));
    }
    if (shown > 0 && order[shown - 1].other) result.layers = std::max(result.layers, 1);

    std::string othersLabel = texts.Text(IDS_OTHERS);
    if (othersLabel.empty()) othersLabel = kEnglishOthers;
    for (const AnalysisPeriod& period : periods) {
        ShownPeriod out;
        out.span = period.span;
        for (std::size_t s = 0; s < shown; ++s) {
            ShownGroup bar;
            if (order[s].other) {
                bar.collective = true;
                bar.name = othersLabel;
                for (std::size_t rest = s; rest < order.size(); ++rest)
                    for (const AnalysisLayer& layer : period.groups[order[rest].index].layers)
                        bar.sum += layer.sum;
                bar.layers.push_back({kKeyNone, std::string(), bar.sum});
                bar.colour = kCollectiveColour;
                out.groups.push_back(std::move(bar));
                break;
            }
            const AnalysisGroup& group = period.groups[order[s].index];
            bar.id = group.id;
            bar.name = order[s].name;
            bar.sum = group.sum;
            bar.colour = KeyColour(choice.groupKey, group.id, library);
            for (const AnalysisLayer& layer : group.layers) {
                std::string name = layer.id == kKeyNone
                                       ? std::string()
                                       : KeyName(choice.layerKey, layer.id, library);
                bar.layers.push_back({layer.id, std::move(name), layer.sum});
            }
            out.groups.push_back(std::move(bar));
        }
        result.periods.push_back(std::move(out));
    }
    return result;
}

void FillChartContent(const AnalysisResult& result, ChartContent& content) {
    content.SetDimensions(static_cast<int>(result.periods.size()), result.slotCount, result.layers);
    for (int p = 0; p < content.Periods(); ++p) {
        const ShownPeriod& period = result.periods[static_cast<std::size_t>(p)];
        content.SetPeriodLabel(p, period.span.label);
        for (int s = 0; s < static_cast<int>(period.groups.size()) && s < content.Slots(); ++s) {
            const ShownGroup& bar = period.groups[static_cast<std::size_t>(s)];
            if (p == 0) {
                if (!bar.name.empty()) content.SetSlotLabel(s, bar.name);
                if (bar.colour) content.SetSlotColour(s, *bar.colour);
            }
            for (int l = 0; l < static_cast<int>(bar.layers.size()) && l < content.Layers(); ++l) {
                const ShownLayer& layer = bar.layers[static_cast<std::size_t>(l)];
                if (!layer.name.empty()) content.SetCellLabel(p, s, l, layer.name);
                content.SetValue(p, s, l, layer.sum);
            }
        }
    }
}

}  // namespace kadenzo
