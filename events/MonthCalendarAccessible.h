#pragma once

namespace kadenzo {

// Lets assistive technology see the month calendar: the days shown, each
// named by its full date, with its selected state and the event it holds,
// actions that select a day, extend the selection to a day and clear it,
// and events when the selection or the day the keys move from changes.
// Installs once, however often it is called.
void InstallMonthCalendarAccessible();

}  // namespace kadenzo
