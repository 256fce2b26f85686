#include "EventAssignment.h"

namespace kadenzo {

std::vector<int> AssignEventsToDays(const std::vector<EventSpan>& events, int firstDay,
                                    int dayCount) {
    std::vector<int> result(dayCount > 0 ? static_cast<std::size_t>(dayCount) : 0, -1);
    if (events.empty()) return result;
    std::size_t i = 0;
    for (std::size_t d = 0; d < result.size(); ++d) {
        const int day = firstDay + static_cast<int>(d);
        while (i + 1 < events.size() && events[i].lastDay < day) ++i;
        if (events[i].firstDay <= day && events[i].lastDay >= day) result[d] = static_cast<int>(i);
    }
    return result;
}

}  // namespace kadenzo
