#include "ChartTableAccessible.h"

#include <QPointer>
#include <QWidget>

namespace kadenzo {
namespace {

using CellKind = ChartTableAccessible::CellKind;

ChartTableAccessible* TableOf(QAccessibleInterface* chart) {
    return dynamic_cast<ChartTableAccessible*>(chart);
}

class ChartCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    ChartCellAccessible(QWidget* chart, CellKind kind, int row, int column)
        : chart_(chart), kind_(kind), row_(row), column_(column) {}

    bool isValid() const override { return chart_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        const QAccessibleInterface* chart = table();
        return chart ? chart->window() : nullptr;
    }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override {
        return kind_ == CellKind::Figure      ? QAccessible::Cell
               : kind_ == CellKind::RowHeader ? QAccessible::RowHeader
                                              : QAccessible::ColumnHeader;
    }
    QString text(QAccessible::Text t) const override {
        const ChartTableAccessible* chart = chart_ ? TableOf(table()) : nullptr;
        if (!chart || t != QAccessible::Name) return {};
        switch (kind_) {
            case CellKind::RowHeader:
                return chart->rowDescription(row_);
            case CellKind::ColumnHeader:
                return chart->columnDescription(column_);
            case CellKind::Figure:
                return chart->CellText(row_, column_);
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const ChartTableAccessible* chart = chart_ ? TableOf(table()) : nullptr;
        if (!chart || kind_ != CellKind::Figure) return {};
        const QRect cell = chart->CellRect(row_, column_);
        return cell.isEmpty() ? cell : cell.translated(chart_->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        const ChartTableAccessible* chart = chart_ ? TableOf(table()) : nullptr;
        if (chart && kind_ == CellKind::Figure) {
            // A chart the keys walk: its current cell has the focus with it.
            const std::optional<std::pair<int, int>> current = chart->CurrentCell();
            state.focusable = current.has_value();
            state.focused = current == std::make_pair(row_, column_) && chart_->hasFocus();
        }
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface && kind_ == CellKind::Figure
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        const ChartTableAccessible* chart = TableOf(table());
        if (!chart || !chart->HeaderCells()) return {};
        return {chart->Cell(CellKind::ColumnHeader, -1, column_)};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        const ChartTableAccessible* chart = TableOf(table());
        if (!chart || !chart->HeaderCells()) return {};
        return {chart->Cell(CellKind::RowHeader, row_, -1)};
    }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return QAccessible::queryAccessibleInterface(chart_.data());
    }

private:
    QPointer<QWidget> chart_;
    CellKind kind_;
    int row_;
    int column_;
};

}  // namespace

ChartTableAccessible::ChartTableAccessible(QWidget* chart, bool headerCells)
    : QAccessibleWidget(chart, QAccessible::Table), headerCells_(headerCells) {}

ChartTableAccessible::~ChartTableAccessible() { DropCells(); }

void ChartTableAccessible::ContentChanged(QWidget* chart) {
    if (!QAccessible::isActive()) return;
    ChartTableAccessible* self = TableOf(QAccessible::queryAccessibleInterface(chart));
    if (!self) return;
    QAccessibleTableModelChangeEvent event(chart, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
    self->DropCells();
}

QAccessibleInterface* ChartTableAccessible::Cell(CellKind kind, int row, int column) const {
    const auto key = std::make_tuple(kind, row, column);
    auto found = cells_.find(key);
    if (found == cells_.end())
        found = cells_
                    .emplace(key, QAccessible::registerAccessibleInterface(
                                      new ChartCellAccessible(widget(), kind, row, column)))
                    .first;
    return QAccessible::accessibleInterface(found->second);
}

void* ChartTableAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int ChartTableAccessible::childCount() const { return rowCount() * columnCount(); }

QAccessibleInterface* ChartTableAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    const int columns = columnCount();
    return cellAt(index / columns, index % columns);
}

int ChartTableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (const auto& [key, id] : cells_)
        if (std::get<0>(key) == CellKind::Figure && QAccessible::accessibleInterface(id) == child)
            return std::get<1>(key) * columnCount() + std::get<2>(key);
    return -1;
}

QAccessibleInterface* ChartTableAccessible::childAt(int x, int y) const {
    const std::optional<std::pair<int, int>> cell =
        CellAtPoint(widget()->mapFromGlobal(QPoint(x, y)));
    return cell ? cellAt(cell->first, cell->second) : nullptr;
}

QAccessibleInterface* ChartTableAccessible::focusChild() const {
    const std::optional<std::pair<int, int>> current = CurrentCell();
    if (!current || !widget()->hasFocus()) return nullptr;
    return cellAt(current->first, current->second);
}

QAccessibleInterface* ChartTableAccessible::cellAt(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
    return Cell(CellKind::Figure, row, column);
}

void ChartTableAccessible::DropCells() {
    for (const auto& [key, id] : cells_) QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
}

}  // namespace kadenzo
