#include "DeviceImportValues.h"

#include <cmath>

#include "DateNames.h"
#include "DateTime.h"
#include "DeviceTexts.h"
#include "Formats.h"
#include "Library.h"
#include "StringTable.h"
#include "TextFormat.h"

namespace kadenzo {
namespace {

std::string Formatted(const StringTable& texts, std::uint32_t id,
                      std::initializer_list<FormatArg> args) {
    return FormatText(texts.Text(id), args);
}

std::string TwoDigits(int value) {
    return std::string(1, static_cast<char>('0' + value / 10 % 10)) +
           static_cast<char>('0' + value % 10);
}

}  // namespace

DeviceImportValues::DeviceImportValues(ImportPlan plan, const CDatabase& log,
                                       const CLibrary& library, const UnitSettings& units,
                                       const StringTable& texts)
    : plan_(std::move(plan)), log_(log), library_(library), units_(units), texts_(texts) {}

std::uint32_t DeviceImportValues::ColumnTitle(Column column) {
    return devicetext::kDayColumn + static_cast<std::uint32_t>(column);
}

std::string DeviceImportValues::Cell(std::size_t row, Column column) const {
    if (row >= plan_.rows.size()) return {};
    const PlanRow& planRow = plan_.rows[row];
    const DeviceActivity& activity = planRow.activity;
    switch (column) {
        case kDay: {
            const std::optional<DateParts> date = PartsFromDateTime(activity.start);
            if (!date) return {};
            const DateNames names = DateNames::From(texts_);
            return names.shortDays[static_cast<std::size_t>(WeekdayFromMonday(activity.start))] +
                   ' ' + FormatDate(*date);
        }
        case kStart: {
            const std::optional<DateParts> time = PartsFromDateTime(activity.start);
            return time ? TwoDigits(time->hour) + ':' + TwoDigits(time->minute) : std::string();
        }
        case kSport:
            return library_.GetSportName(activity.sportId);
        case kDuration:
            return activity.duration > 0 ? FormatDuration(activity.duration, true) : std::string();
        case kDistance:
            if (activity.distance <= 0) return {};
            return FormatFixed(ToDisplay(activity.distance, kUnitDistance, units_), 2) + ' ' +
                   UnitLabel(kUnitDistance, units_, texts_);
        case kPulse:
            return activity.averagePulse ? std::to_string(activity.averagePulse) : std::string();
        case kOutcome:
            return OutcomeText(planRow);
        case kColumnCount:
            break;
    }
    return {};
}

std::string DeviceImportValues::OutcomeText(const PlanRow& row) const {
    switch (row.outcome) {
        case ActivityOutcome::kFill:
            return Formatted(texts_, devicetext::kFills, {WorkoutLabel(row.workout)});
        case ActivityOutcome::kNew:
            return texts_.Text(devicetext::kNewWorkout);
        case ActivityOutcome::kChoose:
            return texts_.Text(devicetext::kChoose);
        case ActivityOutcome::kSkip:
            return texts_.Text(devicetext::kSkip);
    }
    return {};
}

std::string DeviceImportValues::WorkoutLabel(CDatabase::WorkoutHandle handle) const {
    const std::optional<CDatabase::ConstWorkoutPos> position = log_.FindWorkout(handle);
    if (!position) return {};
    const CWorkOut& workout = ***position;
    std::string name = library_.GetWorkoutName(workout.templateId);
    // A time of day tells two workouts of one template apart.
    if (const std::optional<DateParts> time = PartsFromDateTime(workout.date);
        time && (time->hour != 0 || time->minute != 0))
        name = TwoDigits(time->hour) + ':' + TwoDigits(time->minute) + ' ' + name;
    std::string plan;
    if (workout.plannedDuration > 0)
        plan = FormatDuration(workout.plannedDuration, false);
    else if (workout.plannedDistance > 0)
        plan = FormatFixed(ToDisplay(workout.plannedDistance, kUnitDistance, units_), 2) + ' ' +
               UnitLabel(kUnitDistance, units_, texts_);
    return plan.empty() ? name : Formatted(texts_, devicetext::kPlanned, {name, plan});
}

std::vector<OutcomeChoice> DeviceImportValues::Choices(std::size_t row) const {
    std::vector<OutcomeChoice> choices;
    if (row >= plan_.rows.size()) return choices;
    if (plan_.rows[row].outcome == ActivityOutcome::kChoose)
        choices.push_back({ActivityOutcome::kChoose, 0, texts_.Text(devicetext::kChoose)});
    for (CDatabase::WorkoutHandle workout : WorkoutsOfDay(log_, plan_.rows[row].activity.Day()))
        choices.push_back({ActivityOutcome::kFill, workout,
                           Formatted(texts_, devicetext::kFills, {WorkoutLabel(workout)})});
    choices.push_back({ActivityOutcome::kNew, 0, texts_.Text(devicetext::kNewWorkout)});
    choices.push_back({ActivityOutcome::kSkip, 0, texts_.Text(devicetext::kSkip)});
    return choices;
}

std::size_t DeviceImportValues::ChoiceIndex(std::size_t row) const {
    if (row >= plan_.rows.size()) return 0;
    const PlanRow& planRow = plan_.rows[row];
    const std::vector<OutcomeChoice> choices = Choices(row);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].outcome == planRow.outcome &&
            (planRow.outcome != ActivityOutcome::kFill || choices[i].workout == planRow.workout))
            return i;
    }
    return 0;
}

bool DeviceImportValues::Choose(std::size_t row, std::size_t choice) {
    const std::vector<OutcomeChoice> choices = Choices(row);
    if (choice >= choices.size() || choice == ChoiceIndex(row)) return false;
    return plan_.Choose(log_, row, choices[choice].outcome, choices[choice].workout);
}

std::optional<std::size_t> DeviceImportValues::FirstUnchosen() const {
    for (std::size_t row = 0; row < plan_.rows.size(); ++row)
        if (plan_.rows[row].outcome == ActivityOutcome::kChoose) return row;
    return std::nullopt;
}

}  // namespace kadenzo
