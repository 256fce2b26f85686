#pragma once

#include <cstdint>
#include <optional>

#include "CalendarDays.h"

namespace kadenzo {

// The form view's ranges: whole weeks (from Monday), months or years around
// a reference day, which lies in the period `ahead` periods before the last,
// so that the plan after today shows. Days are day numbers (DayNumber).

struct FormRange {
    int command;
    int count;          // periods shown
    CalendarUnit unit;  // weeks, months or years
    int ahead;          // periods after the reference day's
};

// 6 weeks, 3 months, 6 months, 1 year, 2 years, in menu order.
const FormRange* FormRanges();
inline constexpr int kFormRangeCount = 5;
// The range of a command, or null.
const FormRange* FindFormRange(int command);

struct FormDays {
    int firstDay = 0;
    int lastDay = 0;
    int Count() const { return lastDay - firstDay + 1; }
    bool operator==(const FormDays&) const = default;
};

// The days a range shows around the reference day.
FormDays FormRangeDays(const FormRange& range, int referenceDay);

// What lies ahead that the days shown reach (day numbers).
struct FormAhead {
    std::optional<int> nextRace;
    std::optional<int> planEnd;  // the plan's last day
    bool operator==(const FormAhead&) const = default;
};

// The choices of the form view and what its commands do to them: a range
// (radio group, starts again from today), Back and Forward by the range's
// period, Today back to today's range. The first range, also chosen by
// ID_FORM_NEXT_RACE, shows from six weeks back to the next race (RaceDays)
// and pages by weeks. Every range that shows today reaches the plan ahead
// (ReachingAhead).
class FormViewState {
public:
    // From six weeks back to the next race.
    explicit FormViewState(int today);

    // The next race and the plan's end, whenever either may have changed.
    void SetAhead(const FormAhead& ahead) { ahead_ = ahead; }

    // False for a command that is not the view's; true when it changed the days shown or may have.
    bool OnCommand(int command, int today);
    bool IsChecked(int command) const;
    // The paging commands' texts for the range's unit (Previous/Next Week,
    // Month, Year); 0 for any other command.
    std::uint32_t PagingTextId(int command) const;

    const FormRange& Range() const { return *range_; }
    int ReferenceDay() const { return referenceDay_; }
    FormDays Days() const;

private:
    const FormRange* range_;
    int referenceDay_;
    int today_;
    FormAhead ahead_;
};

}  // namespace kadenzo
