#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Units.h"

namespace kadenzo {

class CLibrary;
class CDatabase;

// The seven lists in the order of the library editor's tabs.
enum class LibraryList {
    Categories,
    Intensities,
    Sports,
    SubSports,
    Tracks,
    Templates,
    EventKinds
};

enum class CellKind { Text, Number, CheckBox, Choice, Colour };

// One grid cell's value; the field used depends on the column's kind.
struct CellValue {
    std::string text;         // Text
    double number = 0;        // Number, in the unit shown
    std::uint32_t value = 0;  // CheckBox 0/1, Choice the chosen id (kNoId for none),
                              // Colour 0x00BBGGRR (kNoColour for none)
    bool operator==(const CellValue&) const = default;
};

struct ColumnInfo {
    std::uint32_t titleId;  // numbered text of the column heading
    CellKind kind;
};

// An entry of a choice list: another list's item.
struct Choice {
    std::uint32_t id;
    std::string name;
    bool operator==(const Choice&) const = default;
};

struct DeleteResult {
    bool deleted;
    std::uint32_t messageId;  // 0 for no message
};

// The rules by which the library editor shows and changes one list: its
// columns, new rows, deletion checks and validation. Rows are the list's items
// in order. Message and title ids are numbered texts.
class LibraryListModel {
public:
    virtual ~LibraryListModel() = default;

    virtual std::uint32_t TitleId() const = 0;
    virtual bool CanAddRows() const = 0;
    virtual bool CanDeleteRows() const = 0;
    virtual const std::vector<ColumnInfo>& Columns() const = 0;
    virtual std::size_t RowCount() const = 0;
    // The row's read-only label: the sport's name on the sports list, "" elsewhere.
    virtual std::string RowLabel(std::size_t row) const = 0;
    // The items a choice column offers; empty for other columns.
    virtual std::vector<Choice> Choices(std::size_t column) const = 0;

    // Appends an item with the new-row values and id = ++idCounter; returns its row.
    virtual std::size_t AddRow() = 0;
    // Deletes the item unless something still refers to it (then message 33043).
    virtual DeleteResult DeleteRow(std::size_t row) = 0;
    // Item to grid and grid to item.
    virtual CellValue GetCell(std::size_t row, std::size_t column) const = 0;
    virtual void SetCell(std::size_t row, std::size_t column, const CellValue& value) = 0;
    // Checks a row's cells as the grid holds them: 0 when they may be stored,
    // otherwise the id of the message to show.
    virtual std::uint32_t Validate(const std::vector<CellValue>& cells) const = 0;
    // True when the cell holds no value: empty text, number 0, no choice, no
    // colour. Check boxes always carry a value of their own and count as empty.
    bool IsEmpty(std::size_t column, const CellValue& value) const;
    bool RowIsEmpty(const std::vector<CellValue>& cells) const;
};

// The editing model of one list of `library`. `log` is the training log the
// deletion checks consult (null: no workouts or events refer to anything);
// track distances show in `units`. All three must outlive the model.
std::unique_ptr<LibraryListModel> MakeListModel(LibraryList list, CLibrary& library,
                                                const CDatabase* log, const UnitSettings& units);

}  // namespace kadenzo
