#include "EventDays.h"

#include <algorithm>
#include <utility>

#include "DateTime.h"

namespace kadenzo {

EventDays::EventDays(const CDatabase::EventList& events) {
    for (const auto& event : events) {
        const int first = DayNumber(event->start.value);
        const int last = DayNumber(event->end.value);
        if (last < first) continue;
        FillGaps(first, last, DayEvent{event->kind, event->blocksDay != 0});
    }
}

void EventDays::FillGaps(int first, int last, const DayEvent& event) {
    std::vector<Run> gaps;
    long long day = first;
    for (const Run& run : runs_) {
        if (run.last < day) continue;
        if (run.first > last) break;
        if (run.first > day) gaps.push_back({static_cast<int>(day), run.first - 1, event});
        day = static_cast<long long>(run.last) + 1;
    }
    if (day <= last) gaps.push_back({static_cast<int>(day), last, event});
    runs_.insert(runs_.end(), gaps.begin(), gaps.end());
    std::sort(runs_.begin(), runs_.end(),
              [](const Run& a, const Run& b) { return a.first < b.first; });
    Normalise();
}

void EventDays::Normalise() {
    std::vector<Run> joined;
    for (const Run& run : runs_) {
        if (!joined.empty() && static_cast<long long>(joined.back().last) + 1 == run.first &&
            joined.back().event == run.event)
            joined.back().last = run.last;
        else
            joined.push_back(run);
    }
    runs_ = std::move(joined);
}

std::optional<DayEvent> EventDays::At(int day) const {
    auto it = std::upper_bound(runs_.begin(), runs_.end(), day,
                               [](int d, const Run& run) { return d < run.first; });
    if (it == runs_.begin()) return std::nullopt;
    --it;
    if (day > it->last) return std::nullopt;
    return it->event;
}

DayRangeState EventDays::StateOf(int first, int last) const {
    if (first > last) std::swap(first, last);
    const long long days = static_cast<long long>(last) - first + 1;
    long long found = 0;
    bool anyBlocked = false;
    bool anyClear = false;
    std::optional<std::int32_t> kind;
    bool kindsDiffer = false;
    for (const Run& run : runs_) {
        if (run.last < first) continue;
        if (run.first > last) break;
        found += static_cast<long long>(std::min(run.last, last)) - std::max(run.first, first) + 1;
        (run.event.blocksDay ? anyBlocked : anyClear) = true;
        if (!kind)
            kind = run.event.kind;
        else if (*kind != run.event.kind)
            kindsDiffer = true;
    }
    DayRangeState state;
    state.blocks = anyBlocked && anyClear ? 2 : anyBlocked ? 1 : 0;
    state.kind = kindsDiffer ? std::nullopt : std::optional(kind.value_or(DayEvent::kNoKind));
    const bool partlyCovered = days != 1 && found > 0 && found < days;
    if (partlyCovered) {
        if (state.blocks == 1) state.blocks = 2;
        // The days without an event have no kind, so a kind is not common to all.
        if (state.kind && *state.kind != DayEvent::kNoKind) state.kind.reset();
    }
    return state;
}

void EventDays::Apply(int first, int last, std::optional<std::int32_t> kind, int blocks) {
    if (first > last) std::swap(first, last);
    const auto changed = [&](DayEvent event) {
        if (kind) event.kind = *kind;
        if (blocks == 0) event.blocksDay = false;
        if (blocks == 1) event.blocksDay = true;
        return event;
    };
    std::vector<Run> result;
    const auto addChanged = [&](int from, int to, const DayEvent& event) {
        const DayEvent after = changed(event);
        if (!after.IsNothing()) result.push_back({from, to, after});
    };
    std::size_t i = 0;
    for (; i < runs_.size() && runs_[i].last < first; ++i) result.push_back(runs_[i]);
    long long day = first;
    for (; i < runs_.size() && runs_[i].first <= last; ++i) {
        Run run = runs_[i];
        if (run.first < first) {
            result.push_back({run.first, first - 1, run.event});
            run.first = first;
        }
        if (run.first > day) addChanged(static_cast<int>(day), run.first - 1, DayEvent{});
        const int end = std::min(run.last, last);
        addChanged(run.first, end, run.event);
        day = static_cast<long long>(end) + 1;
        if (run.last > last) result.push_back({last + 1, run.last, run.event});
    }
    if (day <= last) addChanged(static_cast<int>(day), last, DayEvent{});
    for (; i < runs_.size(); ++i) result.push_back(runs_[i]);
    runs_ = std::move(result);
    Normalise();
}

std::vector<CEvent> EventDays::Periods() const {
    std::vector<CEvent> periods;
    for (const Run& run : runs_) {
        CEvent event;
        event.start = {CalendarDateTime::kValid, NoonOfDayNumber(run.first)};
        event.end = {CalendarDateTime::kValid, NoonOfDayNumber(run.last)};
        event.kind = run.event.kind;
        event.blocksDay = run.event.blocksDay ? 1 : 0;
        periods.push_back(event);
    }
    return periods;
}

}  // namespace kadenzo
