#pragma once

#include <optional>
#include <utility>

class QKeyEvent;
class QWidget;

namespace kadenzo {

// The keyboard in a chart that a screen reader reads as a table
// (ChartTableAccessible): a current cell that the arrow keys move, as in
// Qt's own tables. Left and Right go along a row, Up and Down along a
// column, Home and End to the row's ends, Ctrl+Home and Ctrl+End to the
// table's corners (Page Up and Page Down stay the views' paging). The chart
// paints the cell and tells the reader of it (Announce), which says the
// cell's figure with its row and column headers.
class ChartTableCursor {
public:
    // The cell the key moves to from (row, column) within a table of
    // rows x columns; none for any other key or an empty table (the key is
    // left to others). For a chart that keeps its current cell itself.
    static std::optional<std::pair<int, int>> Step(const QKeyEvent& event, int row, int column,
                                                   int rows, int columns);
    // Moves for the key within a table of rows x columns; false (nothing
    // moved, the key left to others) for any other key or an empty table.
    bool Key(const QKeyEvent& event, int rows, int columns);
    // Keeps the cell inside a table of that size (after its content
    // changed); nothing while the table is empty.
    void Clamp(int rows, int columns);
    std::optional<std::pair<int, int>> Cell() const;

    // Tells a listening screen reader that the chart's current cell has the
    // focus (the chart must have it).
    static void Announce(QWidget* chart, int row, int column);

private:
    int row_ = 0;
    int column_ = 0;
    bool empty_ = true;
};

}  // namespace kadenzo
