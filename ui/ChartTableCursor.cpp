#include "ChartTableCursor.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

#include "ChartTableAccessible.h"

namespace kadenzo {
bool ChartTableCursor::Key(const QKeyEvent& event, int rows, int columns) {
    if (rows <= 0 || columns <= 0) return false;
    // Alt and Meta belong to the menus; Ctrl goes only with Home and End.
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    if (event.modifiers() & (Qt::AltModifier | Qt::MetaModifier)) return false;
    if (ctrl && event.key() != Qt::Key_Home && event.key() != Qt::Key_End) return false;
    Clamp(rows, columns);
    int row = row_;
    int column = column_;
    switch (event.key()) {
        case Qt::Key_Left:
            column = std::max(0, column - 1);
            break;
        case Qt::Key_Right:
            column = std::min(columns - 1, column + 1);
            break;
        case Qt::Key_Up:
            row = std::max(0, row - 1);
            break;
        case Qt::Key_Down:
            row = std::min(rows - 1, row + 1);
            break;
        case Qt::Key_Home:
            column = 0;
            if (ctrl) row = 0;
            break;
        case Qt::Key_End:
            column = columns - 1;
            if (ctrl) row = rows - 1;
            break;
        default:
            return false;
    }
    row_ = row;
    column_ = column;
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
