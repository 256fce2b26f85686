#pragma once

#include <QAbstractTableModel>

#include "ConflictRows.h"

namespace kadenzo {

// The merge window's list as a Qt table over ConflictRows: a row for each
// conflict, the columns of ConflictColumn. Each cell also carries its
// column's header as its accessible description, so that a screen reader
// reads a cell with its header.
class ConflictTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The rows outlive the model.
    explicit ConflictTableModel(ConflictRows& rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const ConflictRows& Rows() const { return rows_; }
    // Changes a row's choice and tells the views; false for one not offered.
    bool Choose(int row, sync::Choice choice);
    void ChooseNext(int row, int step);

private:
    void KeepChanged(int row);

    ConflictRows& rows_;
};

}  // namespace kadenzo
