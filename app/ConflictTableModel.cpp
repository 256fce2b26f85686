#include "ConflictTableModel.h"

#include "CoreText.h"

namespace kadenzo {

ConflictTableModel::ConflictTableModel(ConflictRows& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows) {}

int ConflictTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.Count());
}

int ConflictTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kConflictColumns;
}

QVariant ConflictTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<ConflictColumn>(index.column());
    switch (role) {
        case Qt::DisplayRole:
            return FromBytes(rows_.Text(row, column));
        case Qt::ToolTipRole:
            // The whole version, where the cell has room for a line only.
            if (column == ConflictColumn::Mine) return FromBytes(rows_.Row(row).mineDetails);
            if (column == ConflictColumn::Theirs) return FromBytes(rows_.Row(row).theirsDetails);
            return {};
        case Qt::AccessibleDescriptionRole:
            return FromBytes(rows_.Header(column));
        default:
            return {};
    }
}

QVariant ConflictTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kConflictColumns)
        return QAbstractTableModel::headerData(section, orientation, role);
    return FromBytes(rows_.Header(static_cast<ConflictColumn>(section)));
}

bool ConflictTableModel::Choose(int row, sync::Choice choice) {
    if (row < 0 || row >= rowCount()) return false;
    const auto at = static_cast<std::size_t>(row);
    if (rows_.ChoiceOf(at) == choice) return rows_.Offers(at, choice);
    if (!rows_.Choose(at, choice)) return false;
    KeepChanged(row);
    return true;
}

void ConflictTableModel::ChooseNext(int row, int step) {
    if (row < 0 || row >= rowCount()) return;
    rows_.ChooseNext(static_cast<std::size_t>(row), step);
    KeepChanged(row);
}

void ConflictTableModel::KeepChanged(int row) {
    const QModelIndex keep = index(row, static_cast<int>(ConflictColumn::Keep));
    emit dataChanged(keep, keep, {Qt::DisplayRole});
}

}  // namespace kadenzo
