#pragma once

#include <vector>

namespace kadenzo {

// A calendar event's period as whole days.
struct EventSpan {
    int firstDay = 0;
    int lastDay = 0;
};

// For each of the consecutive days from firstDay, the index of the event that
// covers it, or -1. Events are found by their dates, whatever order they are
// stored in; where periods overlap, the event stored first wins.
std::vector<int> AssignEventsToDays(const std::vector<EventSpan>& events, int firstDay,
                                    int dayCount);

}  // namespace kadenzo
