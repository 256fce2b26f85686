#pragma once

#include <vector>

namespace kadenzo {

// A calendar event's period as whole days.
struct EventSpan {
    int firstDay = 0;
    int lastDay = 0;
};

// For each of the consecutive days from firstDay, the index of the event that
// covers it, or -1. One forward walk over the events in their stored order (the
// events dialog stores them sorted and without overlap): for each day the walk
// moves past the events that end before it, never past the last one.
std::vector<int> AssignEventsToDays(const std::vector<EventSpan>& events, int firstDay,
                                    int dayCount);

}  // namespace kadenzo
