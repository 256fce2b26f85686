#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CalendarDays.h"

namespace kadenzo {

class CDatabase;
class CWorkOut;
class StringTable;

// The calendar arithmetic of the analysis chart. Days are day numbers as the
// diary counts them (days since 1899-12-30); a period covers whole calendar
// days, so a workout belongs to the period of its day whatever its time.

using RangeUnit = CalendarUnit;

// One of the view's fourteen ranges: `count` periods of one `unit` each.
struct AnalysisRange {
    int command;
    int count;
    RangeUnit unit;
    const char* name;  // as kadenzo-tool names it, e.g. "4-weeks"

    // At most 60 bars per period in all: 60 / count slots.
    int SlotsPerPeriod() const { return count > 0 ? 60 / count : 0; }
};

const std::vector<AnalysisRange>& AnalysisRanges();
// The range of a command (0x8084 to 0x8091), or null.
const AnalysisRange* FindRange(int command);
// The range with this name ("7-days" ... "5-years"), or null.
const AnalysisRange* FindRange(std::string_view name);

struct WeekNumber {
    int week = 0;
    int year = 0;
    bool operator==(const WeekNumber&) const = default;
};

// The chart's week numbers: week 1 is the week (Monday to Sunday) that holds
// 1 January when that is a Monday to Thursday, else the week after. Days
// before week 1 belong to the last week of the year before; days at the end
// of December always count in their own year, so week 53 occurs. Nothing for
// a date outside the years 100 to 9999.
std::optional<WeekNumber> WeekOfYear(int year, int month, int day);

// The workouts of the days firstDay <= day < endDay, by date, found through
// the log's date index.
std::vector<const CWorkOut*> WorkoutsOfDays(const CDatabase& log, int firstDay, int endDay);

// The first day of the range whose last period holds the reference day.
int RangeStartDay(int referenceDay, const AnalysisRange& range);

// One period of a range: its days are startDay <= day < endDay.
struct PeriodSpan {
    int startDay = 0;
    int endDay = 0;
    std::string label;  // Windows-1252, shown under the period
};

// The range's periods in order, each ending where the next begins. Labels:
// "dd.mm.yyyy" for days, text 33000 with the week number and the two-digit
// year for weeks, "Mmm.yy" (the month names of DateNames) for months and the
// year for years; English texts stand in for missing ones.
std::vector<PeriodSpan> RangePeriods(int referenceDay, const AnalysisRange& range,
                                     const StringTable& texts);

}  // namespace kadenzo
