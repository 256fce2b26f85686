#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "LibraryEditing.h"

namespace kadenzo {

// The library editor's datasheet without its widgets: one list's items as
// rows of cells, plus a trailing empty row for a new item where the list
// takes new rows. Typed values stay in the grid until the row is left, when
// they are checked and handed to the item; a row left with no value in any
// cell is deleted instead (where the list takes deletions). Rows are item rows (the header is not
// counted).
class LibraryGrid {
public:
    enum class RowMark { None, Current, New, Editing };

    // What the widgets on top are told, around each change of the rows.
    class Listener {
    public:
        virtual ~Listener() = default;
        virtual void BeginReset() {}
        virtual void EndReset() {}
        virtual void BeginInsertRow(std::size_t /*row*/) {}
        virtual void EndInsertRow() {}
        virtual void BeginRemoveRow(std::size_t /*row*/) {}
        virtual void EndRemoveRow() {}
        virtual void RowChanged(std::size_t /*row*/) {}
        // The row marks or the message changed.
        virtual void StateChanged() {}
        // The error beep.
        virtual void Beep() {}
    };

    // The text shown when a list takes no deletions.
    static constexpr std::uint32_t kNoDeletions = 1;

    LibraryGrid() = default;
    LibraryGrid(const LibraryGrid&) = delete;
    LibraryGrid& operator=(const LibraryGrid&) = delete;

    // Null: nobody listens.
    void SetListener(Listener* listener) { listener_ = listener ? listener : &quiet_; }

    // Shows a list (null: none). A row still being edited is committed first.
    void SetModel(LibraryListModel* model);
    LibraryListModel* Model() const { return model_; }

    std::size_t RowCount() const { return cells_.size(); }
    std::size_t ColumnCount() const;
    const CellValue& Cell(std::size_t row, std::size_t column) const;
    RowMark Mark(std::size_t row) const;
    std::optional<std::size_t> CurrentRow() const { return current_; }
    std::optional<std::size_t> EditingRow() const { return editing_; }
    std::optional<std::size_t> NewRow() const { return new_; }
    // The message line's text (a numbered text), 0 for none.
    std::uint32_t MessageId() const { return message_; }
    // True while rows are being added, removed or reset. The widgets'
    // reactions to that (a view moving its current cell) do not count as
    // the user's: the grid ignores its operations meanwhile.
    bool Changing() const { return changing_; }

    // Moves the current row to `row`. The row being edited is left first;
    // when it may not be left (its values are refused) the move is refused
    // with the error beep and the refusal in the message line. Returns the
    // row now current: `row`, one less when an empty edited row above it
    // was deleted, or nothing when refused.
    std::optional<std::size_t> EnterRow(std::size_t row);
    // Before a cell of `row` is edited: enters it and marks it as being
    // edited. Editing the empty last row makes a new item there and a new
    // empty row below. Returns the row edited, or nothing when refused.
    std::optional<std::size_t> BeginEdit(std::size_t row);
    // A value put into a cell of the grid (not yet into the item).
    void SetCell(std::size_t row, std::size_t column, const CellValue& value);
    // Leaves the row being edited as moving to another row would; false
    // when it may not be left.
    bool FinishEditing();
    // True when the row being edited holds values its item has not taken yet.
    bool HoldsEdit() const;
    // Undoes the edit of the row being edited: a new item goes again, an
    // existing one shows its stored values.
    void Escape();
    // Deletes an item row unless its list takes no deletions or something
    // refers to the item (beep and message then). The empty last row is not
    // an item and stays.
    bool DeleteRow(std::size_t row);
    // Deletes whole rows, the last first.
    void DeleteRows(std::vector<std::size_t> rows);

private:
    void LoadRow(std::size_t row);
    std::vector<CellValue> EmptyRow() const;
    bool Commit(std::size_t row);
    void SetMessage(std::uint32_t id);
    void Refuse(std::uint32_t message);
    void Changed();

    Listener quiet_;
    Listener* listener_ = &quiet_;
    LibraryListModel* model_ = nullptr;
    std::vector<std::vector<CellValue>> cells_;
    std::optional<std::size_t> current_;
    std::optional<std::size_t> editing_;
    std::optional<std::size_t> new_;
    std::optional<std::size_t> pendingNew_;  // the new item being entered, until committed
    std::uint32_t message_ = 0;
    bool changing_ = false;
};

}  // namespace kadenzo
