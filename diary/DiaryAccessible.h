#pragma once

#include <QString>

namespace kadenzo {

class CDayPanel;
class CWeekPanel;

// The diary as assistive technology sees it. A day panel is a list named by
// its full date, described by its event and body data, whose items are the
// workout boxes it shows, named by their painted label and with the actions
// of Enter (the editor) and Delete. A week panel is named by its week and
// carries its totals as its value. The panels themselves paint and store
// nothing for this; each text is worked out when asked.

// Makes Qt's accessibility ask for the diary's interfaces (once per program).
void InstallDiaryAccessibility();

// The texts a screen reader gets, in the document's language.
QString DayPanelName(const CDayPanel& panel);
QString DayPanelDescription(const CDayPanel& panel);
// The box's label as painted ("title, figures"); empty for an empty slot.
QString WorkoutBoxName(const CDayPanel& panel, int slot);
QString WeekPanelName(const CWeekPanel& panel);
QString WeekPanelValue(const CWeekPanel& panel);

// Tell a listening screen reader what changed, so that it follows: the
// panel's day or boxes, the selection on this panel's day, a week's totals.
void AnnounceDayShown(CDayPanel& panel);
void AnnounceDaySelection(CDayPanel& panel);
void AnnounceWeekTotals(CWeekPanel& panel);

}  // namespace kadenzo
