#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kadenzo {

// The workout properties a search can compare, numbered as the search dialog
// has always numbered them (5 is not used).
enum class SearchProperty : int {
    Date = 0,
    Template = 1,
    Category = 2,  // the category of the workout's template
    Sport = 3,
    SubSport = 4,
    Duration = 6,
    Distance = 7,  // in the user's distance unit
    AveragePulse = 8,
    MaxPulse = 9,
    Track = 10,
    Intensity = 11,
    Comment = 12,  // the performance page's notes
    Note = 13,     // the set-up page's note
};

enum class SearchValueType { Date, LibraryItem, Text, Number };

enum class SearchOperator : int { Contains = 0, Equal = 1, AtLeast = 2, AtMost = 3 };

// Which library list a library-item property offers.
enum class SearchItemList { None, Templates, Categories, Sports, SubSports, Tracks, Intensities };

struct SearchPropertyInfo {
    SearchProperty property;
    std::uint32_t textId;  // the property's name
    SearchValueType type;
    SearchItemList items;
};

// The searchable properties in the order the property list offers them.
const std::array<SearchPropertyInfo, 13>& SearchProperties();
// The entry of a property.
const SearchPropertyInfo& InfoOf(SearchProperty property);
// The comparisons offered for a value type, in the order offered; the first
// is the one chosen when the property changes.
std::vector<SearchOperator> OperatorsFor(SearchValueType type);
bool IsOffered(SearchOperator op, SearchValueType type);
// The comparison's name (numbered text).
std::uint32_t OperatorTextId(SearchOperator op);

// One condition a found workout meets. Strings are Windows-1252 bytes.
struct SearchCriterion {
    SearchProperty property = SearchProperty::Date;
    SearchOperator op = SearchOperator::Equal;
    std::string display;       // the value as the criteria list shows it
    double number = 0;         // Number: the value; Date: the day at 12:00
    std::uint32_t itemId = 0;  // LibraryItem: the item (0 for none chosen)

    bool operator==(const SearchCriterion&) const = default;
};

// Criteria built from what the dialog's value control holds. Each gives
// nothing when the comparison is not offered for the property's type.
//
// A date: the calendar day (a day number); shown as YYYY-MM-DD.
std::optional<SearchCriterion> DateCriterion(SearchProperty property, SearchOperator op,
                                             int dayNumber);
// A text or a number as typed. A duration reads as h:mm[:ss] or minutes, other
// numbers by their leading digits (a decimal comma between digits reads as a
// point); text that is not a number counts as 0.
std::optional<SearchCriterion> TypedCriterion(SearchProperty property, SearchOperator op,
                                              const std::string& typed);
// A library item and the name it is shown with.
std::optional<SearchCriterion> ItemCriterion(SearchProperty property, SearchOperator op,
                                             std::uint32_t itemId, const std::string& name);

// The criteria of the search dialog's list and the one being edited. A row's
// position in the list is the criterion's index.
class SearchCriteriaList {
public:
    const std::vector<SearchCriterion>& Criteria() const { return criteria_; }
    std::optional<std::size_t> Current() const { return current_; }

    // Appends a criterion and makes it the current one; returns its index.
    std::size_t Add(const SearchCriterion& criterion);
    // Removes a row; afterwards no criterion is current.
    void Remove(std::size_t index);
    // Puts new values into the current criterion; false without one.
    bool UpdateCurrent(const SearchCriterion& criterion);
    // Makes another row current (no change of values).
    void SetCurrent(std::size_t index);

    // What a search runs with: the list, or, when it is empty, the one
    // criterion the controls hold; nothing when both are empty.
    std::optional<std::vector<SearchCriterion>> ForSearch(
        const std::optional<SearchCriterion>& controls) const;

private:
    std::vector<SearchCriterion> criteria_;
    std::optional<std::size_t> current_;
};

}  // namespace kadenzo
