#include "LibraryGrid.h"

#include <algorithm>
#include <functional>

#include "LibraryItems.h"

namespace kadenzo {
namespace {

// A cell that holds no value, as the empty last row shows it.
CellValue EmptyCell(CellKind kind) {
    CellValue cell;
    if (kind == CellKind::Choice) cell.value = kNoId;
    if (kind == CellKind::Colour) cell.value = kNoColour;
    return cell;
}

// Row numbers after `row` move up by one when it goes; `row` itself is gone.
void RowRemoved(std::optional<std::size_t>& mark, std::size_t row) {
    if (!mark) return;
    if (*mark == row)
        mark.reset();
    else if (*mark > row)
        --*mark;
}

// Marks the grid as changing while rows come and go.
class ChangingRows {
public:
    explicit ChangingRows(bool& flag) : flag_(flag) { flag_ = true; }
    ~ChangingRows() { flag_ = false; }
    ChangingRows(const ChangingRows&) = delete;
    ChangingRows& operator=(const ChangingRows&) = delete;

private:
    bool& flag_;
};

}  // namespace

std::size_t LibraryGrid::ColumnCount() const { return model_ ? model_->Columns().size() : 0; }

const CellValue& LibraryGrid::Cell(std::size_t row, std::size_t column) const {
    return cells_.at(row).at(column);
}

LibraryGrid::RowMark LibraryGrid::Mark(std::size_t row) const {
    if (editing_ == row) return RowMark::Editing;
    if (current_ == row) return RowMark::Current;
    if (new_ == row) return RowMark::New;
    return RowMark::None;
}

void LibraryGrid::SetModel(LibraryListModel* model) {
    if (changing_) return;
    if (editing_ && model_) Commit(*editing_);
    {
        const ChangingRows changing(changing_);
        listener_->BeginReset();
        model_ = model;
        cells_.clear();
        current_.reset();
        editing_.reset();
        new_.reset();
        pendingNew_.reset();
        message_ = 0;
        if (model_) {
            cells_.resize(model_->RowCount());
            for (std::size_t row = 0; row < cells_.size(); ++row) LoadRow(row);
            if (model_->CanAddRows()) {
                new_ = cells_.size();
                cells_.push_back(EmptyRow());
            }
        }
        listener_->EndReset();
    }
    Changed();
}

std::vector<CellValue> LibraryGrid::EmptyRow() const {
    std::vector<CellValue> row;
    for (const ColumnInfo& column : model_->Columns()) row.push_back(EmptyCell(column.kind));
    return row;
}

void LibraryGrid::LoadRow(std::size_t row) {
    std::vector<CellValue>& cells = cells_[row];
    cells.resize(ColumnCount());
    for (std::size_t column = 0; column < cells.size(); ++column)
        cells[column] = model_->GetCell(row, column);
}

void LibraryGrid::SetCell(std::size_t row, std::size_t column, const CellValue& value) {
    if (changing_ || row >= cells_.size() || column >= ColumnCount()) return;
    cells_[row][column] = value;
    listener_->RowChanged(row);
}

bool LibraryGrid::Commit(std::size_t row) {
    if (pendingNew_ == row) pendingNew_.reset();
    if (model_->Validate(cells_[row]) != 0) return false;
    for (std::size_t column = 0; column < ColumnCount(); ++column)
        model_->SetCell(row, column, cells_[row][column]);
    // The grid shows what the item took (rounded distances, clamped numbers).
    LoadRow(row);
    listener_->RowChanged(row);
    return true;
}

bool LibraryGrid::FinishEditing() {
    if (changing_) return false;
    if (!editing_ || !model_) return true;
    const std::size_t row = *editing_;
    // A row emptied of every value is deleted where the list takes deletions
    // (a list of check boxes alone has nothing else); an item still in use
    // stays and shows its stored values again.
    if (model_->CanDeleteRows() && model_->RowIsEmpty(cells_[row])) {
        if (!DeleteRow(row)) {
            LoadRow(row);
            listener_->RowChanged(row);
            editing_.reset();
        }
        Changed();
        return true;
    }
    if (const std::uint32_t refusal = model_->Validate(cells_[row])) {
        Refuse(refusal);
        return false;
    }
    Commit(row);
    editing_.reset();
    Changed();
    return true;
}

std::optional<std::size_t> LibraryGrid::EnterRow(std::size_t row) {
    if (changing_ || !model_ || row >= cells_.size()) return std::nullopt;
    if (current_ == row) return row;
    // Cleared first, so that why the row left behind was not deleted stays.
    message_ = 0;
    if (editing_) {
        const std::size_t left = *editing_;
        const std::size_t rowsBefore = cells_.size();
        if (!FinishEditing()) return std::nullopt;
        if (cells_.size() < rowsBefore && row > left) --row;
    }
    current_ = row;
    Changed();
    return row;
}

std::optional<std::size_t> LibraryGrid::BeginEdit(std::size_t row) {
    const std::optional<std::size_t> entered = EnterRow(row);
    if (!entered) return std::nullopt;
    row = *entered;
    if (editing_ == row) return row;
    editing_ = row;
    if (new_ == row) {
        pendingNew_ = row;
        model_->AddRow();
        // The new item's starting values (a template's pulse is relative).
        LoadRow(row);
        listener_->RowChanged(row);
        const ChangingRows changing(changing_);
        listener_->BeginInsertRow(row + 1);
        cells_.push_back(EmptyRow());
        new_ = row + 1;
        listener_->EndInsertRow();
    }
    Changed();
    return row;
}

bool LibraryGrid::HoldsEdit() const {
    if (!editing_ || !model_) return false;
    for (std::size_t column = 0; column < ColumnCount(); ++column)
        if (!(cells_[*editing_][column] == model_->GetCell(*editing_, column))) return true;
    return false;
}

void LibraryGrid::Escape() {
    if (changing_ || !editing_ || !model_) return;
    const std::size_t row = *editing_;
    if (pendingNew_ == row) {
        DeleteRow(row);
        pendingNew_.reset();
    } else {
        LoadRow(row);
        listener_->RowChanged(row);
    }
    editing_.reset();
    message_ = 0;
    Changed();
}

bool LibraryGrid::DeleteRow(std::size_t row) {
    if (changing_ || !model_ || row >= cells_.size()) return false;
    if (!model_->CanDeleteRows()) {
        Refuse(kNoDeletions);
        return false;
    }
    if (new_ == row) return false;
    const DeleteResult result = model_->DeleteRow(row);
    if (!result.deleted) {
        Refuse(result.messageId);
        return false;
    }
    {
        const ChangingRows changing(changing_);
        listener_->BeginRemoveRow(row);
        cells_.erase(cells_.begin() + static_cast<std::ptrdiff_t>(row));
        RowRemoved(editing_, row);
        RowRemoved(new_, row);
        RowRemoved(pendingNew_, row);
        RowRemoved(current_, row);
        message_ = result.messageId;
        listener_->EndRemoveRow();
    }
    Changed();
    return true;
}

void LibraryGrid::DeleteRows(std::vector<std::size_t> rows) {
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (std::size_t row : rows) DeleteRow(row);
}

void LibraryGrid::SetMessage(std::uint32_t id) {
    message_ = id;
    Changed();
}

void LibraryGrid::Refuse(std::uint32_t message) {
    listener_->Beep();
    SetMessage(message);
}

void LibraryGrid::Changed() { listener_->StateChanged(); }

}  // namespace kadenzo
