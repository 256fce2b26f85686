#include "SpokenDiary.h"

#include "BodyInfo.h"
#include "DateNames.h"
#include "DateTime.h"
#include "CalendarDays.h"
#include "Event.h"
#include "Library.h"
#include "ResourceIds.h"
#include "SpokenText.h"
#include "StringTable.h"
#include "TextFormat.h"
#include "WeekTotals.h"
#include "WorkoutLabels.h"

namespace kadenzo {
namespace {

// The English text for a table that lacks the number.
std::string TextOr(const StringTable& texts, std::uint32_t id, const char* english) {
    std::string text = texts.Text(id);
    return text.empty() ? english : text;
}

std::string SpokenDate(int dayNumber, const StringTable& texts, const DateNames& names) {
    const CalendarDay c = ToCalendar(dayNumber);
    return FormatText(TextOr(texts, IDS_A11Y_DATE, "%i %s %i"),
                      {c.day, names.months[static_cast<std::size_t>(c.month - 1)], c.year});
}

void AddSentence(std::string& to, const std::string& sentence) {
    if (sentence.empty()) return;
    if (!to.empty()) to += ' ';
    to += sentence + '.';
}

}  // namespace

std::string SpokenDay(int dayNumber, const StringTable& texts) {
    const DateNames names = DateNames::From(texts);
    const CalendarDay c = ToCalendar(dayNumber);
    return FormatText(TextOr(texts, IDS_A11Y_DAY, "%s, %i %s %i"),
                      {names.days[static_cast<std::size_t>(Weekday(dayNumber))], c.day,
                       names.months[static_cast<std::size_t>(c.month - 1)], c.year});
}

std::string SpokenDayDetails(const CEvent* event, const CBodyInfo* bodyData,
                             const CLibrary& library, const UnitSettings& units,
                             const StringTable& texts) {
    std::string spoken;
    if (event) {
        // Built-in kinds have no name of their own in the library.
        const CLibEvent* kind = event->IsBuiltInKind()
                                    ? nullptr
                                    : library.FindEvent(static_cast<std::uint32_t>(event->kind));
        std::string sentence =
            kind && !kind->name.empty() ? kind->name : TextOr(texts, IDS_A11Y_EVENT, "Event");
        if (event->blocksDay != 0)
            sentence += ", " + TextOr(texts, IDS_A11Y_BLOCKED_DAY, "no training possible");
        AddSentence(spoken, sentence);
    }
    if (bodyData) {
        if (bodyData->weight > 0)
            AddSentence(spoken, FormatText(TextOr(texts, IDS_A11Y_WEIGHT, "Weight %.1f %s"),
                                           {ToDisplay(bodyData->weight, kUnitWeight, units),
                                            UnitLabel(kUnitWeight, units, texts)}));
        if (bodyData->value3 > 0)
            AddSentence(spoken,
                        FormatText(TextOr(texts, IDS_A11Y_RESTING_PULSE, "Resting heart rate %i"),
                                   {static_cast<int>(bodyData->value3)}));
        if (bodyData->value2 > 0)
            AddSentence(spoken, FormatText(TextOr(texts, IDS_A11Y_BODY_FAT, "Body fat %.1f%%"),
                                           {bodyData->value2}));
    }
    return spoken;
}

int IsoWeekNumber(int monday) {
    const int thursday = monday + 3;
    const int year = ToCalendar(thursday).year;
    const int newYear = DayNumber(*NoonOfDay(year, 1, 1));
    return (thursday - newYear) / 7 + 1;
}

std::string SpokenWeek(int monday, const StringTable& texts) {
    const DateNames names = DateNames::From(texts);
    return FormatText(TextOr(texts, IDS_A11Y_WEEK, "Week %i, %s to %s"),
                      {IsoWeekNumber(monday), SpokenDate(monday, texts, names),
                       SpokenDate(monday + 6, texts, names)});
}

std::string SpokenWeekTotals(const WeekTotals& totals, const StringTable& texts) {
    // A week without minutes shows "--", which reads as "none".
    return FormatText(TextOr(texts, IDS_A11Y_WEEK_TOTALS, "Planned %s, performed %s"),
                      {SpokenText(FormatWeekTotal(totals.planned), texts),
                       SpokenText(FormatWeekTotal(totals.performed), texts)});
}

std::string SpokenWeekDetails(const WeekTotals& totals, bool ramp, const StringTable& texts) {
    std::string spoken;
    AddSentence(spoken, SpokenWeekTotals(totals, texts));
    if (ramp)
        AddSentence(spoken, TextOr(texts, IDS_A11Y_WEEK_RAMP,
                                   "Ramp: the plan adds load faster than the body adapts this week"));
    return spoken;
}

std::string SpokenWorkout(const LabelFacts& facts, int dayNumber, int today,
                          const StringTable& texts) {
    const std::string detail = ScreenDetail(facts, dayNumber, today);
    const std::string label = detail.empty() ? ScreenTitle(facts) : ScreenTitle(facts) + ", " + detail;
    return SpokenText(label, texts);
}

std::string SpokenWorkoutDay(int dayNumber, const std::string& dayDetails,
                             const StringTable& texts) {
    std::string spoken;
    AddSentence(spoken, SpokenDay(dayNumber, texts));
    if (!dayDetails.empty()) spoken += ' ' + dayDetails;
    return spoken;
}

}  // namespace kadenzo
