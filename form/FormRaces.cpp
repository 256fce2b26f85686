#include "FormRaces.h"

#include <cmath>

#include "Database.h"
#include "DateTime.h"
#include "FormSeries.h"
#include "Library.h"
#include "WorkOut.h"

namespace kadenzo {
namespace {

bool IsRace(const CWorkOut& workout, const CLibrary& library, std::uint32_t category) {
    const CLibWorkout* workoutTemplate = library.FindWorkout(workout.templateId);
    return workoutTemplate && workoutTemplate->categoryId == category;
}

long RoundedPoints(double value) { return std::isfinite(value) ? std::lround(value) : 0; }

}  // namespace

std::optional<std::uint32_t> DefaultRaceCategory(const CLibrary& library) {
    if (library.FindCategory(kStarterRaceCategory)) return kStarterRaceCategory;
    return std::nullopt;
}

bool ReadRaceCategory(std::string_view text, std::optional<std::uint32_t>* category) {
    if (text == "none") {
        category->reset();
        return true;
    }
    // Digits only, and no more than an id holds.
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != text.npos)
        return false;
    std::uint64_t id = 0;
    for (const char digit : text) id = id * 10 + static_cast<std::uint64_t>(digit - '0');
    if (id > 0xFFFFFFFFu) return false;
    *category = static_cast<std::uint32_t>(id);
    return true;
}

std::string RaceCategoryText(std::optional<std::uint32_t> category) {
    return category ? std::to_string(*category) : std::string("none");
}

std::optional<std::uint32_t> ChosenRaceCategory(const CLibrary& library, std::string_view choice) {
    std::optional<std::uint32_t> category;
    if (!ReadRaceCategory(choice, &category)) return DefaultRaceCategory(library);
    if (category && !library.FindCategory(*category)) return DefaultRaceCategory(library);
    return category;
}

std::string RaceName(const CWorkOut& workout, const CLibrary& library) {
    const std::string& note = workout.planNote;
    const std::string firstLine = note.substr(0, note.find_first_of("\r\n"));
    if (firstLine.find_first_not_of(" \t") != std::string::npos) return firstLine;
    return library.GetWorkoutName(workout.templateId);
}

std::vector<FormRace> RacesBetween(const CDatabase& log, const CLibrary& library,
                                   std::optional<std::uint32_t> category, int firstDay,
                                   int lastDay) {
    std::vector<FormRace> races;
    if (!category || lastDay < firstDay) return races;
    // Whole days: from the first day's midnight to the midnight after the last.
    for (const auto& position :
         log.WorkoutsBetween(static_cast<double>(firstDay), static_cast<double>(lastDay) + 1.0)) {
        const CWorkOut& workout = **position;
        if (IsRace(workout, library, *category))
            races.push_back({DayNumber(workout.date), RaceName(workout, library)});
    }
    return races;
}

std::optional<FormRace> NextRace(const CDatabase& log, const CLibrary& library,
                                 std::optional<std::uint32_t> category, int today) {
    if (!category) return std::nullopt;
    // The date index gives the workouts from today on in date order; the
    // first race among them is the next.
    const double end = static_cast<double>(kLastFormDay) + 1.0;
    for (const auto& position : log.WorkoutsBetween(static_cast<double>(today), end)) {
        const CWorkOut& workout = **position;
        if (IsRace(workout, library, *category))
            return FormRace{DayNumber(workout.date), RaceName(workout, library)};
    }
    return std::nullopt;
}

FormMorning MorningOf(const FormSeries& series, int day) {
    const FormDay figures = series.At(day);
    return {figures.form, figures.morningFitness, figures.morningFatigue};
}

FormMorningFigures RoundedMorning(const FormMorning& morning) {
    const long fitness = RoundedPoints(morning.fitness);
    const long fatigue = RoundedPoints(morning.fatigue);
    return {fitness - fatigue, fitness, fatigue};
}

}  // namespace kadenzo
