#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <array>

#include "LibraryGrid.h"
#include "Texts.h"

namespace kadenzo {

// The library editor's grid as a Qt item model: one column per column of the
// list, one row per grid row; the vertical header is the grid's fixed first
// column with the row marks (and the sports' names). Values typed into a row
// start its edit and stay in the grid until the row is left.
class CLibraryGridModel : public QAbstractTableModel, public LibraryGrid::Listener {
    Q_OBJECT
public:
    CLibraryGridModel(LibraryGrid& grid, const TextService& texts, QObject* parent = nullptr);
    ~CLibraryGridModel() override;

    LibraryGrid& Grid() const { return grid_; }
    // Read-only: nothing can be typed or ticked.
    void SetReadOnly(bool readOnly);
    bool ReadOnly() const { return readOnly_; }
    CellKind KindOf(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // LibraryGrid::Listener
    void BeginReset() override;
    void EndReset() override;
    void BeginInsertRow(std::size_t row) override;
    void EndInsertRow() override;
    void BeginRemoveRow(std::size_t row) override;
    void EndRemoveRow() override;
    void RowChanged(std::size_t row) override;
    void StateChanged() override;
    void Beep() override;

signals:
    // The row marks or the message line changed.
    void stateChanged();
    // The grid refused something (the error beep).
    void refused();

private:
    QString ChoiceName(int column, std::uint32_t id) const;
    // "Red 255, green 0, blue 0", or that the cell has no colour.
    QString ColourText(std::uint32_t colour) const;

    LibraryGrid& grid_;
    TextService texts_;
    bool readOnly_ = false;
    std::array<QIcon, 4> marks_;  // by RowMark
};

// A number as the grid shows it: up to six decimals, no trailing zeros.
QString GridNumberText(double value);

}  // namespace kadenzo
