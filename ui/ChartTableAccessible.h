#pragma once

#include <QAccessibleTableInterface>
#include <QAccessibleWidget>
#include <map>
#include <optional>
#include <tuple>
#include <utility>

namespace kadenzo {

// A chart as assistive technology reads it: a table whose cells are the
// chart's figures, each with its place on the screen. A chart supplies only
// its texts and places: the counts, the headers' texts (rowDescription,
// columnDescription), a cell's text, its rectangle and the cell under a
// point. Cells are made when asked for and dropped when the content changes
// (ContentChanged), since every cell is another one then. Nothing is
// selectable.
class ChartTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    enum class CellKind { Figure, RowHeader, ColumnHeader };

    // With headerCells, each figure cell names its row's and column's header
    // as cells of their own; otherwise only the descriptions name them.
    ChartTableAccessible(QWidget* chart, bool headerCells);
    ~ChartTableAccessible() override;

    // The chart's side.
    virtual QString CellText(int row, int column) const = 0;
    // In the chart's coordinates; empty when the figure takes no room.
    virtual QRect CellRect(int row, int column) const = 0;
    // The row and column of the figure under a point in the chart's
    // coordinates; one outside the table counts as none.
    virtual std::optional<std::pair<int, int>> CellAtPoint(QPoint point) const = 0;
    // The cell the chart's keys are on (ChartTableCursor); none for a chart
    // the keyboard does not walk.
    virtual std::optional<std::pair<int, int>> CurrentCell() const { return std::nullopt; }

    // To be called on every change of the chart's content: tells assistive
    // technology the table is new (while it listens) and drops the cells.
    static void ContentChanged(QWidget* chart);

    bool HeaderCells() const { return headerCells_; }
    // The cell of a kind at a place (row -1 for a column header, column -1
    // for a row header), made once and kept until the content changes.
    QAccessibleInterface* Cell(CellKind kind, int row, int column) const;

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { DropCells(); }

private:
    void DropCells();

    bool headerCells_;
    mutable std::map<std::tuple<CellKind, int, int>, QAccessible::Id> cells_;
};

}  // namespace kadenzo
