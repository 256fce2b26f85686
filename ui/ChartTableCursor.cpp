#include "ChartTableCursor.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

#include "ChartTableAccessible.h"

namespace kadenzo {
std::optional<std::pair<int, int>> ChartTableCursor::Step(const QKeyEvent& event, int row,
                                                          int column, int rows, int columns) {
    if (rows <= 0 || columns <= 0) return std::nullopt;
    // Alt and Meta belong to the menus; Ctrl goes only with Home and End.
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    if (event.modifiers() & (Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    if (ctrl && event.key() != Qt::Key_Home && event.key() != Qt::Key_End) return std::nullopt;
    row = std::clamp(row, 0, rows - 1);
    column = std::clamp(column, 0, columns - 1);
    switch (event.key()) {
        case Qt::Key_Left:
            return std::make_pair(row, std::max(0, column - 1));
        case Qt::Key_Right:
            return std::make_pair(row, std::min(columns - 1, column + 1));
        case Qt::Key_Up:
            return std::make_pair(std::max(0, row - 1), column);
        case Qt::Key_Down:
            return std::make_pair(std::min(rows - 1, row + 1), column);
        case Qt::Key_Home:
            return std::make_pair(ctrl ? 0 : row, 0);
        case Qt::Key_End:
            return std::make_pair(ctrl ? rows - 1 : row, columns - 1);
        default:
            return std::nullopt;
    }
}

bool ChartTableCursor::Key(const QKeyEvent& event, int rows, int columns) {
    const std::optional<std::pair<int, int>> cell = Step(event, row_, column_, rows, columns);
    if (!cell) return false;
    Clamp(rows, columns);
    row_ = cell->first;
    column_ = cell->second;
    return true;
}

void ChartTableCursor::Clamp(int rows, int columns) {
    empty_ = rows <= 0 || columns <= 0;
    if (empty_) return;
    row_ = std::clamp(row_, 0, rows - 1);
    column_ = std::clamp(column_, 0, columns - 1);
}

std::optional<std::pair<int, int>> ChartTableCursor::Cell() const {
    if (empty_) return std::nullopt;
    return std::make_pair(row_, column_);
}

void ChartTableCursor::Announce(QWidget* chart, int row, int column) {
    if (!QAccessible::isActive() || !chart || !chart->hasFocus()) return;
    auto* table = dynamic_cast<ChartTableAccessible*>(QAccessible::queryAccessibleInterface(chart));
    QAccessibleInterface* cell = table ? table->cellAt(row, column) : nullptr;
    if (!cell) return;
    QAccessibleEvent focus(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

}  // namespace kadenzo
