#include "EventAssignment.h"

#include <algorithm>

namespace kadenzo {

std::vector<int> AssignEventsToDays(const std::vector<EventSpan>& events, int firstDay,
                                    int dayCount) {
    std::vector<int> result(dayCount > 0 ? static_cast<std::size_t>(dayCount) : 0, -1);
    if (result.empty()) return result;
    const long long lastDay = static_cast<long long>(firstDay) + dayCount - 1;
    // Later events first, so that the first stored event covering a day is
    // the one left there.
    for (std::size_t i = events.size(); i-- > 0;) {
        const EventSpan& e = events[i];
        const long long from = std::max<long long>(e.firstDay, firstDay);
        const long long to = std::min<long long>(e.lastDay, lastDay);
        for (long long day = from; day <= to; ++day)
            result[static_cast<std::size_t>(day - firstDay)] = static_cast<int>(i);
    }
    return result;
}

}  // namespace kadenzo
