#include "PrintPagination.h"

#include "CalendarDays.h"

namespace kadenzo {

void DiaryPagination::Start(int firstDay, int lastDay) {
    lastDay_ = lastDay;
    pageStarts_.clear();
    nextStart_ = MondayOnOrBefore(firstDay);
    pageCount_ = 1;
    complete_ = false;
}

std::vector<DiaryPagination::PlacedWeek> DiaryPagination::LayOutPage(
    int pageNumber, int top, int bottom, int gap,
    const std::function<int(int monday)>& weekHeight) {
    if (pageNumber < 1 || pageNumber > pageCount_) return {};
    // Pages are found in order: the page count is at most one more than the
    // pages laid out so far, so page n is either known or the next one.
    if (static_cast<int>(pageStarts_.size()) < pageNumber) pageStarts_.push_back(nextStart_);

    const bool lastFound = pageNumber == pageCount_;
    std::vector<PlacedWeek> weeks;
    int y = top;
    for (int monday = pageStarts_[static_cast<std::size_t>(pageNumber - 1)];; monday += 7) {
        const int height = weekHeight(monday);
        if (!weeks.empty() && y + height > bottom) {
            if (lastFound && !complete_) {
                ++pageCount_;
                nextStart_ = monday;
            }
            break;
        }
        weeks.push_back({monday, y, height});
        // The week holding the range's last day is the last one printed.
        if (monday + 6 >= lastDay_) {
            complete_ = true;
            break;
        }
        y += height + gap;
    }
    return weeks;
}

}  // namespace kadenzo
