#include "EventDayMap.h"

#include <iterator>

#include "DateTime.h"

namespace kadenzo::sync {

EventDayMap::EventDayMap(const CDatabase::EventList& events) {
    // The days some period covers already, as disjoint runs joined when they
    // touch: each run is passed over at most once before it is joined, so
    // heavily overlapping periods cost no more than disjoint ones.
    std::map<long long, long long> covered;
    for (const auto& event : events) {
        const long long first = DayNumber(event->start.value);
        const long long last = DayNumber(event->end.value);
        if (last < first) continue;  // a period that ends before it starts covers no day
        const EventOnDay carried{event->kind, event->blocksDay != 0};
        auto it = covered.upper_bound(first);
        if (it != covered.begin() && std::prev(it)->second + 1 >= first) --it;
        long long from = first;
        long long joinedFirst = first;
        long long joinedLast = last;
        while (it != covered.end() && it->first <= last + 1) {
            if (it->first > from)
                spans_[static_cast<int>(from)] = {static_cast<int>(from),
                                                  static_cast<int>(it->first - 1), carried};
            from = std::max(from, it->second + 1);
            joinedFirst = std::min(joinedFirst, it->first);
            joinedLast = std::max(joinedLast, it->second);
            it = covered.erase(it);
        }
        if (from <= last)
            spans_[static_cast<int>(from)] = {static_cast<int>(from), static_cast<int>(last),
                                              carried};
        covered.emplace(joinedFirst, joinedLast);
    }
}

std::optional<EventOnDay> EventDayMap::At(int day) const {
    auto it = spans_.upper_bound(day);
    if (it == spans_.begin()) return std::nullopt;
    --it;
    if (day > it->second.last) return std::nullopt;
    return it->second.event;
}

void EventDayMap::Assign(int first, int last, const std::optional<EventOnDay>& event) {
    if (last < first) return;
    auto it = spans_.upper_bound(first);
    if (it != spans_.begin()) --it;
    while (it != spans_.end() && it->first <= last) {
        const Span span = it->second;
        if (span.last < first) {
            ++it;
            continue;
        }
        it = spans_.erase(it);
        if (span.first < first) spans_[span.first] = {span.first, first - 1, span.event};
        if (span.last > last) spans_[last + 1] = {last + 1, span.last, span.event};
    }
    if (event) spans_[first] = {first, last, *event};
}

std::vector<EventDayMap::Span> EventDayMap::Spans() const {
    std::vector<Span> joined;
    for (const auto& [first, span] : spans_) {
        if (!joined.empty() && static_cast<long long>(joined.back().last) + 1 == span.first &&
            joined.back().event == span.event)
            joined.back().last = span.last;
        else
            joined.push_back(span);
    }
    return joined;
}

CDatabase::EventList EventDayMap::Periods() const {
    CDatabase::EventList periods;
    for (const Span& span : Spans()) {
        auto event = std::make_unique<CEvent>();
        event->start = {CalendarDateTime::kValid, NoonOfDayNumber(span.first)};
        event->end = {CalendarDateTime::kValid, NoonOfDayNumber(span.last)};
        event->kind = span.event.kind;
        event->blocksDay = span.event.blocksDay ? 1 : 0;
        periods.push_back(std::move(event));
    }
    return periods;
}

}  // namespace kadenzo::sync
