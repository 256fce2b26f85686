#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "Database.h"
#include "ImportPlan.h"
#include "Units.h"

namespace kadenzo {

class CLibrary;
class StringTable;

// One outcome a row may take, as its choice list shows it.
struct OutcomeChoice {
    ActivityOutcome outcome = ActivityOutcome::kNew;
    CDatabase::WorkoutHandle workout = 0;  // kFill
    std::string label;                     // Windows-1252
    bool operator==(const OutcomeChoice&) const = default;
};

// The device import window without its widgets: a row per new activity with
// the texts of its columns, the outcomes each row may take, and the plan as
// the user has chosen it so far. The rows start with the outcomes the scan
// proposed. The log, library and texts are kept by reference and must not
// change while the values live (the window is modal).
class DeviceImportValues {
public:
    enum Column { kDay, kStart, kSport, kDuration, kDistance, kPulse, kOutcome, kColumnCount };

    DeviceImportValues(ImportPlan plan, const CDatabase& log, const CLibrary& library,
                       const UnitSettings& units, const StringTable& texts);

    const ImportPlan& Plan() const { return plan_; }
    std::size_t RowCount() const { return plan_.rows.size(); }
    // A cell's text, Windows-1252; "" for a figure the activity lacks.
    std::string Cell(std::size_t row, Column column) const;
    // The heading of a column's text number.
    static std::uint32_t ColumnTitle(Column column);

    // What a row may become: each workout of its day in log order, a new
    // workout, skipping it; "choose" first while the row waits for a choice.
    std::vector<OutcomeChoice> Choices(std::size_t row) const;
    // The index of the row's outcome among its choices.
    std::size_t ChoiceIndex(std::size_t row) const;
    // Takes a choice of the row. A workout another row filled is taken from
    // it, and that row then waits for a choice. False when nothing changed.
    bool Choose(std::size_t row, std::size_t choice);
    // The first row that still waits for a choice; OK leaves it to the user.
    std::optional<std::size_t> FirstUnchosen() const;
    // How many rows put an activity into the diary.
    std::size_t ImportedCount() const { return plan_.ImportedCount(); }

private:
    std::string OutcomeText(const PlanRow& row) const;
    std::string WorkoutLabel(CDatabase::WorkoutHandle workout) const;

    ImportPlan plan_;
    const CDatabase& log_;
    const CLibrary& library_;
    const UnitSettings& units_;
    const StringTable& texts_;
};

}  // namespace kadenzo
