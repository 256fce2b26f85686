#pragma once

#include <QStyledItemDelegate>

namespace kadenzo {

class CLibraryGridModel;

// Text cells: a line edit.
class CTextCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};

// Number cells: a right-aligned line edit; what is typed is read as a figure
// field (DecimalField.h), and a cell that holds no number keeps its value.
class CNumberCellDelegate : public CTextCellDelegate {
    Q_OBJECT
public:
    using CTextCellDelegate::CTextCellDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};

// Choice cells: a drop-down list of another list's items, with an empty
// entry for none.
class CChoiceCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    CChoiceCellDelegate(const CLibraryGridModel& model, QObject* parent);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    const CLibraryGridModel& model_;
};

// Colour cells: a swatch of the colour (nothing for none); the colour is
// chosen in the colour dialog the view opens, not in an editor of the cell.
class CColourCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        return nullptr;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace kadenzo
