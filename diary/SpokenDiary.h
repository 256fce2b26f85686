#pragma once

#include <string>

#include "Units.h"

namespace kadenzo {

class CBodyInfo;
class CEvent;
class CLibrary;
class StringTable;
struct LabelFacts;
struct WeekTotals;

// What a screen reader says of the diary's days and weeks, in the language of
// the texts (Windows-1252 bytes). A date is spoken in full, since the
// shortened forms a narrow panel paints read badly aloud.

// "Monday, 7 December 2026".
std::string SpokenDay(int dayNumber, const StringTable& texts);
// The day's event (its kind, and that no training is possible when it blocks
// the day) and body data (weight in the user's unit, resting heart rate, body
// fat), each part ended by a full stop; empty when the day has neither.
std::string SpokenDayDetails(const CEvent* event, const CBodyInfo* bodyData,
                             const CLibrary& library, const UnitSettings& units,
                             const StringTable& texts);
// "Week 50, 7 December 2026 to 13 December 2026" for the week from monday.
std::string SpokenWeek(int monday, const StringTable& texts);
// The week's planned and performed totals as the panel shows them.
std::string SpokenWeekTotals(const WeekTotals& totals, const StringTable& texts);
// The totals as a sentence, followed, for a planned week that ramps up too
// fast, by the warning its mark stands for.
std::string SpokenWeekDetails(const WeekTotals& totals, bool ramp, const StringTable& texts);

// A workout's label in full, however narrow its box: "Long run, 2:05 -
// 21.1km"; a lost template or sport reads as a word, not as "???".
std::string SpokenWorkout(const LabelFacts& facts, int dayNumber, int today,
                          const StringTable& texts);
// What a workout box tells besides its label: its day, and the day's event
// and body data ("Monday, 7 December 2026. Race. Weight 70.0 kg.").
std::string SpokenWorkoutDay(int dayNumber, const std::string& dayDetails,
                             const StringTable& texts);

// The ISO week (1 to 53) of the week from monday: the one its Thursday falls in.
int IsoWeekNumber(int monday);

}  // namespace kadenzo
