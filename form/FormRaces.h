#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kadenzo {

class CDatabase;
class CLibrary;
class CWorkOut;
class FormSeries;

// The category of the starter library's race template; a library that has a
// category of this id takes it for races unless the athlete chooses another.
inline constexpr std::uint32_t kStarterRaceCategory = 6;

// The race category of a library when the athlete chose none: the starter
// library's, when the library has a category of that id.
std::optional<std::uint32_t> DefaultRaceCategory(const CLibrary& library);

// The athlete's choice of race category as text (the program's settings,
// kadenzo-tool form --race-category): a category id from 0 to 4294967295,
// or "none" for no races. False for any other text, leaving the category.
bool ReadRaceCategory(std::string_view text, std::optional<std::uint32_t>* category);
// The text of a choice, as ReadRaceCategory reads it.
std::string RaceCategoryText(std::optional<std::uint32_t> category);
// The race category a stored choice gives with a library: the chosen
// category while the library has it, none for "none", and the library's
// default for no choice (empty), an unreadable one or a category the library
// no longer has.
std::optional<std::uint32_t> ChosenRaceCategory(const CLibrary& library, std::string_view choice);

// A race: a workout whose template is of the race category.
struct FormRace {
    int day = 0;       // day number
    std::string name;  // Windows-1252: the plan note's first line, else the template's name
    bool operator==(const FormRace&) const = default;
};

// A race's name: the first line of its plan note, else its template's name
// ("???" for a template the library lacks).
std::string RaceName(const CWorkOut& workout, const CLibrary& library);

// The races from firstDay to lastDay (day numbers, both included), by day and
// on one day in log order; none without a category.
std::vector<FormRace> RacesBetween(const CDatabase& log, const CLibrary& library,
                                   std::optional<std::uint32_t> category, int firstDay,
                                   int lastDay);
// The first race on or after today (a race today counts), if any.
std::optional<FormRace> NextRace(const CDatabase& log, const CLibrary& library,
                                 std::optional<std::uint32_t> category, int today);

// What the athlete wakes up with on a day: the day's form, and the fitness
// and fatigue of the day before, of which it is the difference. Unrounded.
struct FormMorning {
    double form = 0;
    double fitness = 0;
    double fatigue = 0;
};
FormMorning MorningOf(const FormSeries& series, int day);

// The same rounded to whole points for reading: fitness and fatigue to the
// nearest point and form as their difference, so that the three figures a
// text shows always add up, and agree with the day's row (RoundedFigures).
struct FormMorningFigures {
    long form = 0;
    long fitness = 0;
    long fatigue = 0;
    bool operator==(const FormMorningFigures&) const = default;
};
FormMorningFigures RoundedMorning(const FormMorning& morning);

}  // namespace kadenzo
