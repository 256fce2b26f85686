#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "Database.h"
#include "Event.h"
#include "MergeResult.h"

namespace kadenzo::sync {

// The calendar events as the events dialog sees them: what each day carries,
// held as spans of consecutive days with the same event. Where stored periods
// overlap, the one stored first wins, as in the diary. Building it costs
// O(n log n) however the periods overlap.
class EventDayMap {
public:
    struct Span {
        int first = 0;
        int last = 0;
        EventOnDay event;
    };

    EventDayMap() = default;
    explicit EventDayMap(const CDatabase::EventList& events);

    std::optional<EventOnDay> At(int day) const;
    // Gives every day of first ... last the event, or none.
    void Assign(int first, int last, const std::optional<EventOnDay>& event);
    // In date order, not overlapping, equal neighbours joined.
    std::vector<Span> Spans() const;
    // The periods the events dialog would write: one per span, days at noon.
    CDatabase::EventList Periods() const;

private:
    std::map<int, Span> spans_;  // by first day
};

}  // namespace kadenzo::sync
