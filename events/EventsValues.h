#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "EventDays.h"

namespace kadenzo {

// The events dialog without its widgets: the days being edited, the selected
// range, and what the kind list and the blocks check box show. The controls
// always stand for the current selection: before another range is selected,
// and on OK, their values go to the days of the current one.
class EventsValues {
public:
    explicit EventsValues(const CDatabase::EventList& events) : days_(events) {}

    const EventDays& Days() const { return days_; }
    // The selected days (first <= last), or nothing before the first selection.
    std::optional<std::pair<int, int>> Selection() const { return selection_; }

    // The user selected first ... last; `shown` is what the controls show
    // for the previous selection. Returns what they show for the new one.
    DayRangeState Select(int first, int last, const DayRangeState& shown);
    // The user cleared the selection: the controls' values go to its days.
    void Deselect(const DayRangeState& shown);
    // OK: the controls' values go to the selection; the periods to store.
    std::vector<CEvent> Finish(const DayRangeState& shown);

private:
    void ApplyToSelection(const DayRangeState& shown);

    EventDays days_;
    std::optional<std::pair<int, int>> selection_;
};

}  // namespace kadenzo
