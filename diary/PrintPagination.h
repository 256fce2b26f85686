#pragma once

#include <functional>
#include <vector>

namespace kadenzo {

// Splits the printed diary into pages of whole weeks. Pages are found as they
// are printed: a page ends before the first week that no longer fits, and that
// week's Monday starts the next page. The page count therefore grows while
// printing until the week holding the last day of the range is placed.
class DiaryPagination {
public:
    struct PlacedWeek {
        int monday = 0;  // day number
        int top = 0;
        int height = 0;
    };

    // Starts a print job for the range [firstDay, lastDay] (day numbers).
    void Start(int firstDay, int lastDay);

    int PageCount() const { return pageCount_; }
    // All pages are known once the page holding the range's last day is laid out.
    bool Complete() const { return complete_; }

    // The weeks of page pageNumber (1-based) inside [top, bottom] with gap
    // between weeks. weekHeight gives a week's height from its Monday; it is at
    // least the nominal row height. A week taller than a whole page still gets
    // a page of its own. Pages beyond PageCount() give no weeks.
    std::vector<PlacedWeek> LayOutPage(int pageNumber, int top, int bottom, int gap,
                                       const std::function<int(int monday)>& weekHeight);

private:
    int lastDay_ = 0;
    std::vector<int> pageStarts_;  // Monday of each page found so far
    int nextStart_ = 0;
    int pageCount_ = 1;
    bool complete_ = false;
};

}  // namespace kadenzo
