#include "FormRange.h"

#include "FormShownDays.h"
#include "ResourceIds.h"

namespace kadenzo {
namespace {

constexpr FormRange kRanges[kFormRangeCount] = {
    {ID_FORM_6_WEEKS, 6, CalendarUnit::Weeks, 2},   {ID_FORM_3_MONTHS, 3, CalendarUnit::Months, 1},
    {ID_FORM_6_MONTHS, 6, CalendarUnit::Months, 2}, {ID_FORM_1_YEAR, 1, CalendarUnit::Years, 0},
    {ID_FORM_2_YEARS, 2, CalendarUnit::Years, 0},
};
// Up to the next race (RaceDays), paged by weeks.
constexpr FormRange kRaceRange = {ID_FORM_NEXT_RACE, 0, CalendarUnit::Weeks, 0};

}  // namespace

const FormRange* FormRanges() { return kRanges; }

const FormRange* FindFormRange(int command) {
    for (const FormRange& range : kRanges)
        if (range.command == command) return &range;
    return nullptr;
}

FormDays FormRangeDays(const FormRange& range, int referenceDay) {
    const int before = range.count - 1 - range.ahead;
    switch (range.unit) {
        case CalendarUnit::Days:
            return {referenceDay - before, referenceDay + range.ahead};
        case CalendarUnit::Weeks: {
            const int first = MondayOnOrBefore(referenceDay) - 7 * before;
            return {first, first + 7 * range.count - 1};
        }
        case CalendarUnit::Months:
            return {FirstOfMonth(referenceDay, -before),
                    FirstOfMonth(referenceDay, range.ahead + 1) - 1};
        case CalendarUnit::Years:
            return {FirstOfYear(referenceDay, -before),
                    FirstOfYear(referenceDay, range.ahead + 1) - 1};
    }
    return {referenceDay, referenceDay};
}

FormViewState::FormViewState(int today)
    : range_(&kRaceRange), referenceDay_(today), today_(today) {}

FormDays FormViewState::Days() const {
    FormDays days;
    if (range_ == &kRaceRange) {
        // Paging moves the race's days by the weeks paged.
        const int shift = referenceDay_ - today_;
        days = RaceDays(today_, ahead_.nextRace);
        days = {days.firstDay + shift, days.lastDay + shift};
    } else {
        days = FormRangeDays(*range_, referenceDay_);
    }
    return ReachingAhead(days, range_->unit, today_, ahead_);
}

bool FormViewState::OnCommand(int command, int today) {
    if (const FormRange* range = FindFormRange(command)) {
        range_ = range;
        referenceDay_ = today;
    } else if (command == ID_FORM_NEXT_RACE) {
        range_ = &kRaceRange;
        referenceDay_ = today;
    } else if (command == ID_FORM_TODAY) {
        referenceDay_ = today;
    } else if (command == ID_PAGE_BACK || command == ID_PAGE_FORWARD) {
        referenceDay_ = PageDay(referenceDay_, range_->unit, command == ID_PAGE_BACK ? -1 : 1);
    } else {
        return false;
    }
    today_ = today;
    return true;
}

bool FormViewState::IsChecked(int command) const { return command == range_->command; }

std::uint32_t FormViewState::PagingTextId(int command) const {
    // The texts run day, week, month, year, as the units do.
    const int unit = static_cast<int>(range_->unit);
    if (command == ID_PAGE_BACK) return static_cast<std::uint32_t>(IDS_BACK_DAY + unit);
    if (command == ID_PAGE_FORWARD) return static_cast<std::uint32_t>(IDS_FORWARD_DAY + unit);
    return 0;
}

}  // namespace kadenzo
