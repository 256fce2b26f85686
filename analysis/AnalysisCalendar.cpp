#include "AnalysisCalendar.h"

#include <algorithm>

#include "Database.h"
#include "DateTime.h"
#include "CalendarDays.h"
#include "Formats.h"
#include "ResourceIds.h"
#include "DateNames.h"
#include "StringTable.h"
#include "TextFormat.h"

namespace kadenzo {
namespace {

constexpr const char* kEnglishWeekLabel = "W%i/%02i";

std::string TextOr(const StringTable& texts, std::uint32_t id, const char* fallback) {
    std::string text = texts.Text(id);
    return text.empty() ? std::string(fallback) : text;
}

// Two digits of the year, also for years outside 2000 to 2099.
int TwoDigitYear(int year) { return ((year % 100) + 100) % 100; }

std::string WeekLabel(int monday, const StringTable& texts) {
    const CalendarDay day = ToCalendar(monday);
    const int week = WeekOfYear(day.year, day.month, day.day).value_or(WeekNumber{}).week;
    return FormatText(TextOr(texts, IDS_WEEK_LABEL, kEnglishWeekLabel),
                      {week, TwoDigitYear(day.year)});
}

std::string MonthLabel(const CalendarDay& day, const StringTable& texts) {
    char year[8];
    std::snprintf(year, sizeof year, ".%02d", TwoDigitYear(day.year));
    const int month = std::clamp(day.month, 1, 12);
    return DateNames::From(texts).shortMonths[static_cast<std::size_t>(month - 1)] + year;
}

}  // namespace

const std::vector<AnalysisRange>& AnalysisRanges() {
    static const std::vector<AnalysisRange> ranges = {
        {ID_RANGE_7_DAYS, 7, RangeUnit::Days, "7-days"},
        {ID_RANGE_14_DAYS, 14, RangeUnit::Days, "14-days"},
        {ID_RANGE_28_DAYS, 28, RangeUnit::Days, "28-days"},
        {ID_RANGE_1_WEEK, 1, RangeUnit::Weeks, "1-weeks"},
        {ID_RANGE_2_WEEKS, 2, RangeUnit::Weeks, "2-weeks"},
        {ID_RANGE_4_WEEKS, 4, RangeUnit::Weeks, "4-weeks"},
        {ID_RANGE_12_WEEKS, 12, RangeUnit::Weeks, "12-weeks"},
        {ID_RANGE_1_MONTH, 1, RangeUnit::Months, "1-months"},
        {ID_RANGE_3_MONTHS, 3, RangeUnit::Months, "3-months"},
        {ID_RANGE_6_MONTHS, 6, RangeUnit::Months, "6-months"},
        {ID_RANGE_12_MONTHS, 12, RangeUnit::Months, "12-months"},
        {ID_RANGE_1_YEAR, 1, RangeUnit::Years, "1-years"},
        {ID_RANGE_2_YEARS, 2, RangeUnit::Years, "2-years"},
        {ID_RANGE_5_YEARS, 5, RangeUnit::Years, "5-years"},
    };
    return ranges;
}

const AnalysisRange* FindRange(int command) {
    for (const AnalysisRange& range : AnalysisRanges())
        if (range.command == command) return &range;
    return nullptr;
}

const AnalysisRange* FindRange(std::string_view name) {
    for (const AnalysisRange& range : AnalysisRanges())
        if (name == range.name) return &range;
    return nullptr;
}

std::vector<const CWorkOut*> WorkoutsOfDays(const CDatabase& log, int firstDay, int endDay) {
    // From 1899-12-30 on, a day's date-time values run from the day number to
    // the next; before it the whole part names the day while the fraction
    // counts from midnight (-1.25 is 1899-12-29 06:00). There the query
    // widens by a day and the days are sorted out here.
    const double from = firstDay > 0 ? firstDay : firstDay - 1.0;
    const double to = endDay > 0 ? endDay : endDay + 1.0;
    std::vector<const CWorkOut*> workouts;
    for (CDatabase::ConstWorkoutPos position : log.WorkoutsBetween(from, to))
        workouts.push_back(position->get());
    if (firstDay <= 0 || endDay <= 0) {
        std::erase_if(workouts, [&](const CWorkOut* workout) {
            const int day = DayNumber(workout->date);
            return day < firstDay || day >= endDay;
        });
    }
    return workouts;
}

std::optional<WeekNumber> WeekOfYear(int year, int month, int day) {
    const std::optional<int> date = DayNumberOf(year, month, day);
    const std::optional<int> newYear = DayNumberOf(year, 1, 1);
    if (!date || !newYear) return std::nullopt;
    // The weekday of 1 January and the day of the year come from the
    // Gregorian calendar, so century years are right as well.
    const int w = Weekday(*newYear);
    const int n = (*date - *newYear + 1) - ((w < 4 ? 1 : 8) - w);
    if (n >= 0) return WeekNumber{n / 7 + 1, year};
    return WeekOfYear(year - 1, 12, 31);
}

int RangeStartDay(int referenceDay, const AnalysisRange& range) {
    const CalendarDay day = ToCalendar(referenceDay);
    switch (range.unit) {
        case RangeUnit::Days:
            return referenceDay - (range.count - 1);
        case RangeUnit::Weeks:
            return MondayOnOrBefore(referenceDay) - (range.count * 7 - 7);
        case RangeUnit::Months:
            return FirstOfMonth(referenceDay, 1 - range.count);
        case RangeUnit::Years:
            // Counted in calendar years, so that the last period is always the
            // reference day's year (also on 31 December of a leap year).
            return DayNumberOf(day.year - (range.count - 1), 1, 1).value_or(referenceDay);
    }
    return referenceDay;
}

std::vector<PeriodSpan> RangePeriods(int referenceDay, const AnalysisRange& range,
                                     const StringTable& texts) {
    std::vector<PeriodSpan> periods;
    periods.reserve(static_cast<std::size_t>(std::max(range.count, 0)));
    int start = RangeStartDay(referenceDay, range);
    for (int i = 0; i < range.count; ++i) {
        const CalendarDay day = ToCalendar(start);
        PeriodSpan period;
        period.startDay = start;
        switch (range.unit) {
            case RangeUnit::Days:
                period.label = FormatDate(day.day, day.month, day.year);
                period.endDay = start + 1;
                break;
            case RangeUnit::Weeks:
                period.label = WeekLabel(start, texts);
                period.endDay = start + 7;
                break;
            case RangeUnit::Months:
                period.label = MonthLabel(day, texts);
                period.endDay = FirstOfMonth(start, 1);
                break;
            case RangeUnit::Years:
                period.label = std::to_string(day.year);
                period.endDay = DayNumberOf(day.year + 1, 1, 1).value_or(start + 366);
                break;
        }
        // A day the calendar cannot hold ends the range rather than looping.
        if (period.endDay <= start) break;
        start = period.endDay;
        periods.push_back(std::move(period));
    }
    return periods;
}

}  // namespace kadenzo
