#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kadenzo {

class CDatabase;
class CLibrary;
class CWorkOut;
struct UnitSettings;

// One row of the sport statistics or the sport detail list: the sums of the
// workouts it stands for.
struct StatisticsRow {
    // The library item's name; nothing when the item is missing.
    std::optional<std::string> name;
    std::uint32_t sportId = 0;
    std::uint32_t subSportId = 0;
    std::uint32_t categoryId = 0;
    std::uint32_t templateId = 0;
    std::uint32_t iconId = 0;  // the sport's picture (1 to 42) in the sport statistics, 0 for none

    double distance = 0;          // km
    double duration = 0;          // minutes
    double pulseWeighted = 0;     // sum of average heart rate x duration
    double pulseDuration = 0;     // minutes of workouts with an average heart rate
    double distanceDuration = 0;  // minutes of workouts with a distance

    void Add(const CWorkOut& workout);
    // The name as the list shows it: "< ------ >" for a missing or empty one.
    std::string Text() const;
};

// The figure columns of a row, in the user's units: distance, hours, average
// speed and average heart rate, "%.1f" each, "---" where there is nothing to
// show.
struct RowFigures {
    std::string distance;
    std::string hours;
    std::string speed;
    std::string heartRate;
};
RowFigures FormatRowFigures(const StatisticsRow& row, const UnitSettings& units);

// The sport statistics of the days fromDay to toDay (both included): one row
// per sport in the order the sports first occur, and the span of the counted
// workouts. Workouts whose sport the library lacks are not counted.
struct SportStatistics {
    std::vector<StatisticsRow> rows;
    double totalMinutes = 0;
    std::optional<int> firstDay;  // of the first and the last counted workout
    std::optional<int> lastDay;

    // Hours in total.
    double TotalHours() const { return totalMinutes / 60.0; }
    // Hours per week over the whole days from the first to the last counted
    // workout; nothing when they all fall on one day.
    std::optional<double> HoursPerWeek() const;
};
SportStatistics ComputeSportStatistics(const CDatabase& log, const CLibrary& library, int fromDay,
                                       int toDay);

// How the sport detail dialog breaks a sport down (its radio buttons).
enum class DetailBreakdown { Category = 0, SubSport = 1, Template = 2 };

// The rows of one sport between the two days, by category of the workout's
// template, by sub-sport or by template.
std::vector<StatisticsRow> ComputeSportDetail(const CDatabase& log, const CLibrary& library,
                                              int fromDay, int toDay, std::uint32_t sportId,
                                              DetailBreakdown breakdown);

// The column widths of a statistics list `width` pixels wide, given what
// each column needs for its heading (`needed`, the name column first): the
// figure columns share the width evenly, the name column having two shares,
// but no column gets less than it needs; the name column takes what the
// figure columns leave. Wider than `width` in all when the headings need it.
std::vector<int> StatisticsColumnWidths(int width, const std::vector<int>& needed);

// The sorted column of a statistics list: |value| - 1 is the column, the sign
// the direction (positive ascending); 0 before the first click. Each dialog
// kind keeps one for as long as the program runs.
class SortState {
public:
    // A click on column c: the same column again turns the direction,
    // another column sorts ascending.
    void Click(int column);
    int Value() const { return value_; }
    int Column() const { return value_ < 0 ? -value_ - 1 : value_ - 1; }
    bool Ascending() const { return value_ > 0; }

private:
    int value_ = 0;
};

// Orders the rows by the state's column: name (bytes, a missing name read as
// "< ------ >"), distance, duration, speed or heart rate. Equal rows keep
// their order; a state of 0 leaves the rows as they are.
void SortRows(std::vector<StatisticsRow>& rows, const SortState& state);

}  // namespace kadenzo
