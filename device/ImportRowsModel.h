#pragma once

#include <QAbstractTableModel>

#include "Texts.h"

namespace kadenzo {

class DeviceImportValues;

// The device import window's list as a Qt item model: a row per new
// activity, the columns of DeviceImportValues, read-only (a row's outcome is
// changed through the window's choice beside the list).
class CImportRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    CImportRowsModel(const DeviceImportValues& values, const TextService& texts,
                     QObject* parent = nullptr);

    // The outcomes shown changed, perhaps of several rows.
    void OutcomesChanged();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const DeviceImportValues& values_;
    TextService texts_;
};

}  // namespace kadenzo
