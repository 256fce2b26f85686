#pragma once

#include <QString>

#include "CalendarFile.h"

class QSettings;

namespace kadenzo {

class CKadenzoDoc;
class CMainFrame;
class TextService;
class UserDialogs;

// The calendar file written after every save, as the program's settings
// keep it ("Calendar/File" and "Calendar/Diary").
CalendarSubscription ReadCalendarSubscription(QSettings& settings);
void WriteCalendarSubscription(QSettings& settings, const CalendarSubscription& subscription);

// Writes the document's plan as a calendar file at path; the reason it could
// not, or nothing.
QString WriteCalendar(const CKadenzoDoc& doc, const QString& path);

// After the diary was saved at savedPath: writes the calendar of the
// settings' subscription when it is that diary's (one chosen before the
// diary had a file becomes this one's). Returns the status line of a
// failure; empty when written or not due.
QString WriteCalendarAfterSave(const CKadenzoDoc& doc, QSettings& settings,
                               const QString& savedPath, const TextService& texts);

// File › Export › Plan as Calendar (ID_EXPORT_PLAN_CALENDAR) in every view,
// and the calendar written again after every save of the diary it belongs
// to; a failure then shows in the status bar, the save stands.
void InstallPlanCalendar(CMainFrame& frame, QSettings& settings, UserDialogs& dialogs);

}  // namespace kadenzo
