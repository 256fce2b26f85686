#include "SportStatistics.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "AnalysisCalendar.h"
#include "ChartValueFormat.h"
#include "Database.h"
#include "CalendarDays.h"
#include "Formats.h"
#include "Library.h"
#include "Units.h"

namespace kadenzo {
namespace {

constexpr const char* kNoName = "< ------ >";
constexpr const char* kNoFigure = "---";

std::string OneDecimal(double value) { return FormatFixed(value, 1); }

double Speed(const StatisticsRow& row) {
    return row.distanceDuration == 0 ? 0 : row.distance / row.distanceDuration;
}
double HeartRate(const StatisticsRow& row) {
    return row.pulseDuration == 0 ? 0 : row.pulseWeighted / row.pulseDuration;
}

// The workouts of the days, in date order, whose sport the library has.
std::vector<std::pair<const CWorkOut*, const CLibSport*>> CountedWorkouts(const CDatabase& log,
                                                                          const CLibrary& library,
                                                                          int fromDay, int toDay) {
    std::vector<std::pair<const CWorkOut*, const CLibSport*>> counted;
    if (toDay < fromDay) return counted;
    for (const CWorkOut* workout : WorkoutsOfDays(log, fromDay, toDay + 1)) {
        if (const CLibSport* sport = library.FindSport(workout->sportId))
            counted.emplace_back(workout, sport);
    }
    return counted;
}

template <class Item>
std::optional<std::string> NameOf(const Item* item) {
    return item ? std::optional<std::string>(item->name) : std::nullopt;
}

}  // namespace

void StatisticsRow::Add(const CWorkOut& workout) {
    distance += workout.distance;
    duration += workout.duration;
    if (workout.distance != 0) distanceDuration += workout.duration;
    pulseWeighted += workout.averagePulse * workout.duration;
    if (workout.averagePulse != 0) pulseDuration += workout.duration;
}

std::string StatisticsRow::Text() const { return name && !name->empty() ? *name : kNoName; }

RowFigures FormatRowFigures(const StatisticsRow& row, const UnitSettings& units) {
    RowFigures figures;
    const double distance = ToDisplay(row.distance, kUnitDistance, units);
    figures.distance = row.distance == 0 ? kNoFigure : OneDecimal(distance);
    figures.hours = OneDecimal(row.duration * 0.016666666666666666);
    figures.speed =
        row.distanceDuration == 0 ? kNoFigure : OneDecimal(distance / row.distanceDuration * 60.0);
    figures.heartRate = row.pulseDuration == 0 ? kNoFigure : OneDecimal(HeartRate(row));
    return figures;
}

std::optional<double> SportStatistics::HoursPerWeek() const {
    if (!firstDay || !lastDay || *lastDay <= *firstDay) return std::nullopt;
    // Whole days, both ends included: a week of training from Monday to
    // Sunday is seven days, not six.
    const int days = *lastDay - *firstDay + 1;
    return totalMinutes / days * 7.0 / 60.0;
}

SportStatistics ComputeSportStatistics(const CDatabase& log, const CLibrary& library, int fromDay,
                                       int toDay) {
    SportStatistics statistics;
    for (const auto& [workout, sport] : CountedWorkouts(log, library, fromDay, toDay)) {
        const std::uint32_t sportId = sport->id;
        auto row = std::find_if(statistics.rows.begin(), statistics.rows.end(),
                                [&](const StatisticsRow& r) { return r.sportId == sportId; });
        if (row == statistics.rows.end()) {
            StatisticsRow added;
            added.sportId = sport->id;
            added.name = sport->name;
            added.iconId = sport->iconId;
            row = statistics.rows.insert(statistics.rows.end(), std::move(added));
        }
        row->Add(*workout);
        statistics.totalMinutes += workout->duration;
        const int day = DayNumber(workout->date);
        if (!statistics.firstDay) statistics.firstDay = day;
        statistics.lastDay = day;
    }
    return statistics;
}

std::vector<StatisticsRow> ComputeSportDetail(const CDatabase& log, const CLibrary& library,
                                              int fromDay, int toDay, std::uint32_t sportId,
                                              DetailBreakdown breakdown) {
    std::vector<StatisticsRow> rows;
    for (const auto& [workout, sport] : CountedWorkouts(log, library, fromDay, toDay)) {
        if (sport->id != sportId) continue;
        const CLibWorkout* workoutTemplate = library.FindWorkout(workout->templateId);
        const std::uint32_t categoryId = workoutTemplate ? workoutTemplate->categoryId : kNoId;
        const CWorkOut& done = *workout;  // clang before 16 cannot capture a structured binding
        auto same = [&](const StatisticsRow& r) {
            switch (breakdown) {
                case DetailBreakdown::Category:
                    return r.categoryId == categoryId;
                case DetailBreakdown::SubSport:
                    return r.subSportId == done.subSportId;
                case DetailBreakdown::Template:
                    return r.templateId == done.templateId;
            }
            return false;
        };
        auto row = std::find_if(rows.begin(), rows.end(), same);
        if (row == rows.end()) {
            StatisticsRow added;
            added.sportId = sport->id;
            added.categoryId = categoryId;
            added.subSportId = workout->subSportId;
            added.templateId = workout->templateId;
            switch (breakdown) {
                case DetailBreakdown::Category:
                    added.name = NameOf(library.FindCategory(categoryId));
                    break;
                case DetailBreakdown::SubSport:
                    added.name = NameOf(library.FindSubSport(workout->subSportId));
                    break;
                case DetailBreakdown::Template:
                    added.name = NameOf(workoutTemplate);
                    break;
            }
            row = rows.insert(rows.end(), std::move(added));
        }
        row->Add(*workout);
    }
    return rows;
}

void SortState::Click(int column) {
    value_ = std::abs(value_) == column + 1 ? -value_ : column + 1;
}

void SortRows(std::vector<StatisticsRow>& rows, const SortState& state) {
    const int column = state.Column();
    if (state.Value() == 0 || column < 0 || column > 4) return;
    auto key = [column](const StatisticsRow& row) {
        double value = column == 1   ? row.distance
                       : column == 2 ? row.duration
                       : column == 3 ? Speed(row)
                                     : HeartRate(row);
        // A damaged record must not break the ordering.
        return std::isnan(value) ? -HUGE_VAL : value;
    };
    auto ascending = [&](const StatisticsRow& a, const StatisticsRow& b) {
        // Bytes compared as unsigned, as the program always compared names.
        if (column == 0) return a.name.value_or(kNoName) < b.name.value_or(kNoName);
        return key(a) < key(b);
    };
    if (state.Ascending())
        std::stable_sort(rows.begin(), rows.end(), ascending);
    else
        std::stable_sort(
            rows.begin(), rows.end(),
            [&](const StatisticsRow& a, const StatisticsRow& b) { return ascending(b, a); });
}

std::vector<int> StatisticsColumnWidths(int width, const std::vector<int>& needed) {
    std::vector<int> widths(needed.size());
    if (needed.empty()) return widths;
    const int share = std::max(width, 0) / static_cast<int>(needed.size() + 1);
    int figures = 0;
    for (std::size_t c = 1; c < needed.size(); ++c) {
        widths[c] = std::max(share, needed[c]);
        figures += widths[c];
    }
    widths[0] = std::max(width - figures, needed[0]);
    return widths;
}

}  // namespace kadenzo
