#include "FormRange.h"

#include <optional>

#include "DateTime.h"
#include "FormShownDays.h"
#include "ResourceIds.h"

namespace kadenzo {
namespace {

constexpr FormRange kRanges[kFormRangeCount] = {
    {ID_FORM_6_WEEKS, 6, FormRangeUnit::Weeks, 2},
    {ID_FORM_3_MONTHS, 3, FormRangeUnit::Months, 1},
    {ID_FORM_6_MONTHS, 6, FormRangeUnit::Months, 2},
    {ID_FORM_1_YEAR, 1, FormRangeUnit::Years, 0},
    {ID_FORM_2_YEARS, 2, FormRangeUnit::Years, 0},
};
// Up to the next race (RaceDays): no command of its own, paged by weeks.
constexpr FormRange kRaceRange = {0, 0, FormRangeUnit::Weeks, 0};

struct YearMonth {
    int year;
    int month;  // 1 to 12
};

YearMonth YearMonthOf(int day) {
    const std::optional<DateParts> parts = PartsFromDateTime(NoonOfDayNumber(day));
    return parts ? YearMonth{parts->year, parts->month} : YearMonth{1900, 1};
}

// Month arithmetic on a running month count, so that years carry.
YearMonth AddMonths(YearMonth at, int months) {
    const int index = at.year * 12 + (at.month - 1) + months;
    return {index / 12, index % 12 + 1};
}

int FirstOfMonth(YearMonth at) {
    const std::optional<double> noon = NoonOfDay(at.year, at.month, 1);
    return noon ? DayNumber(*noon) : 0;
}

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
        case FormRangeUnit::Weeks: {
            const int monday = referenceDay - WeekdayFromMonday(NoonOfDayNumber(referenceDay));
            const int first = monday - 7 * before;
            return {first, first + 7 * range.count - 1};
        }
        case FormRangeUnit::Months: {
            const YearMonth at = YearMonthOf(referenceDay);
            return {FirstOfMonth(AddMonths(at, -before)),
                    FirstOfMonth(AddMonths(at, range.ahead + 1)) - 1};
        }
        case FormRangeUnit::Years: {
            const int year = YearMonthOf(referenceDay).year;
            return {FirstOfMonth({year - before, 1}), FirstOfMonth({year + range.ahead + 1, 1}) - 1};
        }
    }
    return {referenceDay, referenceDay};
}

int PagedReferenceDay(FormRangeUnit unit, int referenceDay, int direction) {
    switch (unit) {
        case FormRangeUnit::Weeks:
            return referenceDay + 7 * direction;
        case FormRangeUnit::Months:
            return FirstOfMonth(AddMonths(YearMonthOf(referenceDay), direction));
        case FormRangeUnit::Years:
            return FirstOfMonth({YearMonthOf(referenceDay).year + direction, 1});
    }
    return referenceDay;
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
    } else if (command == ID_FORM_TODAY) {
        referenceDay_ = today;
    } else if (command == ID_PAGE_BACK || command == ID_PAGE_FORWARD) {
        referenceDay_ =
            PagedReferenceDay(range_->unit, referenceDay_, command == ID_PAGE_BACK ? -1 : 1);
    } else {
        return false;
    }
    today_ = today;
    return true;
}

bool FormViewState::IsChecked(int command) const {
    return range_ != &kRaceRange && command == range_->command;
}

std::uint32_t FormViewState::PagingTextId(int command) const {
    // The texts run day, week, month, year; the form view starts at weeks.
    const int unit = 1 + static_cast<int>(range_->unit);
    if (command == ID_PAGE_BACK) return static_cast<std::uint32_t>(IDS_BACK_DAY + unit);
    if (command == ID_PAGE_FORWARD) return static_cast<std::uint32_t>(IDS_FORWARD_DAY + unit);
    return 0;
}

}  // namespace kadenzo
