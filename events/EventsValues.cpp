#include "EventsValues.h"

namespace kadenzo {

void EventsValues::ApplyToSelection(const DayRangeState& shown) {
    if (!selection_) return;
    days_.Apply(selection_->first, selection_->second, shown.kind, shown.blocks);
}

DayRangeState EventsValues::Select(int first, int last, const DayRangeState& shown) {
    ApplyToSelection(shown);
    if (first > last) std::swap(first, last);
    selection_ = std::make_pair(first, last);
    return days_.StateOf(first, last);
}

void EventsValues::Deselect(const DayRangeState& shown) {
    ApplyToSelection(shown);
    selection_.reset();
}

std::vector<CEvent> EventsValues::Finish(const DayRangeState& shown) {
    ApplyToSelection(shown);
    return days_.Periods();
}

}  // namespace kadenzo
