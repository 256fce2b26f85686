#include "ImportRowsModel.h"

#include "CoreText.h"
#include "DeviceImportValues.h"
#include "DeviceTexts.h"

namespace kadenzo {

CImportRowsModel::CImportRowsModel(const DeviceImportValues& values, const TextService& texts,
                                   QObject* parent)
    : QAbstractTableModel(parent), values_(values), texts_(texts) {}

void CImportRowsModel::OutcomesChanged() {
    if (rowCount() == 0) return;
    const int column = DeviceImportValues::kOutcome;
    emit dataChanged(index(0, column), index(rowCount() - 1, column));
}

int CImportRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(values_.RowCount());
}

int CImportRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : DeviceImportValues::kColumnCount;
}

QVariant CImportRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<DeviceImportValues::Column>(index.column());
    switch (role) {
        case Qt::DisplayRole:
            return FromBytes(values_.Cell(row, column));
        case Qt::ToolTipRole: {
            // What the device called the sport, and what the reader noticed.
            const DeviceActivity& activity = values_.Plan().rows[row].activity;
            QString tip = QString::fromStdString(activity.file);
            if (!activity.kind.empty()) tip += QStringLiteral(" (%1)").arg(activity.kind.c_str());
            if (!activity.note.empty())
                tip += QLatin1Char('\n') + QString::fromStdString(activity.note);
            return tip;
        }
        case Qt::TextAlignmentRole:
            if (column == DeviceImportValues::kDuration ||
                column == DeviceImportValues::kDistance || column == DeviceImportValues::kPulse)
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            return {};
        default:
            return {};
    }
}

QVariant CImportRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= DeviceImportValues::kColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return texts_.Text(
        DeviceImportValues::ColumnTitle(static_cast<DeviceImportValues::Column>(section)));
}

}  // namespace kadenzo
