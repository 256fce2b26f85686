#pragma once

#include <array>
#include <string>
#include <vector>

#include "Database.h"
#include "Units.h"

namespace kadenzo {

class CLibrary;
class CWorkOut;
class StringTable;

inline constexpr int kWorkoutListColumns = 7;

// The workout list's sort state, kept while the program runs so that a list
// opened again sorts the way the last one was left: 0 unsorted, otherwise
// column + 1, negative for descending.
class WorkoutListSort {
public:
    // A click on the header of `column`: the same column again turns the
    // direction, another one sorts ascending.
    void Click(int column) {
        value_ = (value_ == column + 1 || value_ == -(column + 1)) ? -value_ : column + 1;
    }
    int Value() const { return value_; }
    int Column() const { return value_ < 0 ? -value_ - 1 : value_ - 1; }
    bool Ascending() const { return value_ > 0; }

private:
    int value_ = 0;
};

// The texts of a workout's row (Windows-1252): date, template, sport,
// distance ("---" for a sport measured without distance), duration, and the
// marked section's distance and duration (empty when there is none).
std::array<std::string, kWorkoutListColumns> WorkoutRowTexts(const CWorkOut& workout,
                                                             const CLibrary& library,
                                                             const UnitSettings& units,
                                                             const StringTable& texts);

// Orders the rows by the state's column: date, template name (bytes), sport
// id (not its name), distance, duration, section distance, section
// duration. Rows with equal keys keep their order.
void SortWorkoutRows(std::vector<CDatabase::ConstWorkoutPos>& rows, const WorkoutListSort& sort,
                     const CLibrary& library);

// The rows a search found (in the log's order) together with the workouts
// edited from the list that it no longer finds, in the log's order: a workout
// the user just changed stays the row the user is on. Handles of workouts
// that left the log are passed over.
std::vector<CDatabase::ConstWorkoutPos> KeepEditedRows(
    std::vector<CDatabase::ConstWorkoutPos> found, const CDatabase& log,
    const std::vector<CDatabase::WorkoutHandle>& edited);

}  // namespace kadenzo
