#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace kadenzo {

class CKadenzoDoc;

// What a plan calendar holds and how it is stamped.
struct PlanCalendarRequest {
    std::optional<int> from;  // first day (day number); default: today
    std::optional<int> to;    // last day; default: the day of the log's last workout
    // The diary's file name without its folder: every UID ends in "@" and
    // this name, so that the UIDs of two diaries never meet in one calendar
    // program and two machines syncing one diary write the same UIDs.
    std::string diaryName;
    std::time_t stamp = 0;  // the time of the export (DTSTAMP), seconds since 1970
};

// The plan of the document as an iCalendar file (RFC 5545), UTF-8, lines
// ending in CR LF and folded at 75 octets, as libical writes them.
//
// One event for every workout with a plan (a planned duration or distance
// above 0) from `from` to `to`: titled with its template's name and its
// planned figures as the diary's label gives them; at its time of day as
// floating local time for its planned duration, or all day when it is at
// midnight or has no planned duration; described by its sport, its target
// heart rates and its plan note; filed under its template's category. One
// transparent all-day event for every calendar event overlapping those days,
// titled with its kind. A workout's UID is YYYYMMDD-TEMPLATE-N (N counting
// that template's workouts of the day in log order from 1), an event's
// YYYYMMDD-event-KIND-N, so that a workout keeps its UID through every edit
// that keeps its day, its template and its place among them.
//
// Today, the athlete's maximum heart rate, the units and the texts are the
// document's. Throws std::runtime_error should libical fail.
std::string PlanCalendar(const CKadenzoDoc& doc, const PlanCalendarRequest& request);

// Writes the document's plan calendar, from today to its last workout, to
// the file at path, atomically; the UIDs carry the name of the document's
// file, the stamp is the document's clock. For the program's export and for
// the calendar file it writes again after every save. Throws ArchiveError
// when the file cannot be written (the old one then stays).
void WritePlanCalendar(const CKadenzoDoc& doc, const std::string& path);

}  // namespace kadenzo
