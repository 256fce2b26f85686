#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "MergeResult.h"
#include "Units.h"

namespace kadenzo {

class StringTable;

// The columns of the merge window's list.
enum class ConflictColumn { Day, Conflict, Mine, Theirs, Keep };
inline constexpr int kConflictColumns = 5;

// One conflict as the merge window shows it (Windows-1252 texts): the two
// versions on a line each and in detail, figures and notes.
struct ConflictRow {
    std::string day;  // "dd.mm.yyyy", a range for events, "" for what has no day
    std::string conflict;
    std::string mine;
    std::string theirs;
    std::string mineDetails;  // lines
    std::string theirsDetails;
    std::vector<sync::Choice> offered;  // Mine, Theirs, and Both where two workouts are kept
};

// The merge window without its widgets: a row for each conflict of a merge
// and the choice made for it, starting from what the merge rules chose.
class ConflictRows {
public:
    // Names come from the merge's library (THEIRS' renumbered items too),
    // figures in the user's units. The merge must not be resolved yet.
    ConflictRows(const sync::MergeResult& merge, const UnitSettings& units,
                 const StringTable& texts);

    std::size_t Count() const { return rows_.size(); }
    const ConflictRow& Row(std::size_t row) const { return rows_.at(row); }
    // A cell's text; the Keep column names the current choice.
    std::string Text(std::size_t row, ConflictColumn column) const;
    const std::string& Header(ConflictColumn column) const {
        return headers_[static_cast<std::size_t>(column)];
    }

    sync::Choice ChoiceOf(std::size_t row) const { return choices_.at(row); }
    bool Offers(std::size_t row, sync::Choice choice) const;
    // False, changing nothing, for a choice the row does not offer.
    bool Choose(std::size_t row, sync::Choice choice);
    // The offered choice `step` places after (before, when negative) the
    // current one, round the end: what a key press in the list does.
    void ChooseNext(std::size_t row, int step);
    // One choice for each conflict in the merge's order, for Resolve.
    const std::vector<sync::Choice>& Choices() const { return choices_; }

private:
    std::vector<ConflictRow> rows_;
    std::vector<sync::Choice> choices_;
    std::array<std::string, kConflictColumns> headers_;
    std::array<std::string, 3> choiceNames_;  // by Choice
};

}  // namespace kadenzo
