#pragma once

#include <optional>

#include "FormRange.h"

namespace kadenzo {

// The chart never reaches further ahead of today than this, however far the
// plan goes: a workout planned decades ahead (or a damaged date) must not
// make it hold decades of days.
inline constexpr int kFormMostDaysAhead = 2 * 366;

// The view's first days: whole weeks from the Monday six weeks before this
// week's to the Sunday of the next race's week, or, with no race ahead, of
// the week four weeks ahead.
FormDays RaceDays(int today, std::optional<int> nextRace);

// The days of a range that shows today, reaching the plan ahead: where the
// next race or the plan's last day lies after them, the last day moves on to
// the end of that day's week (unit weeks) or month (months and years).
// Days that do not show today stay as they are.
FormDays ReachingAhead(const FormDays& days, CalendarUnit unit, int today, const FormAhead& ahead);

}  // namespace kadenzo
