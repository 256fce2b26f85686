#pragma once

#include <QString>

#include "Database.h"

class QAccessibleInterface;

namespace kadenzo {

class CDayPanel;
class CWeekPanel;

// The diary as assistive technology sees it. A day panel is a list named by
// its full date, described by its event and body data, whose items are the
// workouts it shows: each named by its whole label (however narrow the box
// painted it) and described by its day, with the actions of Enter (the
// editor) and Delete. A box stands for its workout, not for its place: when a
// day scrolls or the diary pages, other workouts are other objects, so a
// screen reader never hears one workout renamed into another. A week panel is
// named by its week and described by its totals and its ramp warning. The
// panels themselves paint and store nothing for this; each text is worked
// out when asked.

// Makes Qt's accessibility ask for the diary's interfaces (once per program).
void InstallDiaryAccessibility();

// The texts a screen reader gets, in the document's language.
QString DayPanelName(const CDayPanel& panel);
QString DayPanelDescription(const CDayPanel& panel);
// The workout's whole label ("Long run, 2:05 - 21.1km"); empty when the
// panel does not show it.
QString WorkoutBoxName(const CDayPanel& panel, CDatabase::WorkoutHandle workout);
// The box's day with its event and body data.
QString WorkoutBoxDescription(const CDayPanel& panel);
QString WeekPanelName(const CWeekPanel& panel);
QString WeekPanelDescription(const CWeekPanel& panel);

// The object that stands for the workout's box in the panel, or for the
// panel itself when it does not show the workout (0: the day alone).
QAccessibleInterface* DiaryObject(CDayPanel& panel, CDatabase::WorkoutHandle workout);

// Tell a listening screen reader what changed, so that it follows: the
// panel's day or boxes, a week's totals, and where the keyboard is in the
// diary (the object a reader presents; when it is the one it was told of
// last, that it was renamed).
void AnnounceDayShown(CDayPanel& panel);
void AnnounceWeekTotals(CWeekPanel& panel);
void AnnounceDiaryFocus(QAccessibleInterface* focused, bool renamed);

}  // namespace kadenzo
