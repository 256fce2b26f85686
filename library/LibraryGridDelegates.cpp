#include "LibraryGridDelegates.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

#include "CoreText.h"
#include "LibraryGridModel.h"
#include "LibraryItems.h"

namespace kadenzo {

QWidget* CTextCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex&) const {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    return edit;
}

QWidget* CNumberCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
    QWidget* editor = CTextCellDelegate::createEditor(parent, option, index);
    static_cast<QLineEdit*>(editor)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return editor;
}

CChoiceCellDelegate::CChoiceCellDelegate(const CLibraryGridModel& model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

QWidget* CChoiceCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const {
    auto* box = new QComboBox(parent);
    box->addItem(QString(), kNoId);
    if (const LibraryListModel* list = model_.Grid().Model())
        for (const Choice& choice : list->Choices(static_cast<std::size_t>(index.column())))
            box->addItem(FromBytes(choice.name), choice.id);
    return box;
}

void CChoiceCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* box = static_cast<QComboBox*>(editor);
    box->setCurrentIndex(std::max(0, box->findData(index.data(Qt::EditRole).toUInt())));
}

void CChoiceCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                       const QModelIndex& index) const {
    model->setData(index, static_cast<QComboBox*>(editor)->currentData().toUInt(), Qt::EditRole);
}

void CColourCellDelegate::initStyleOption(QStyleOptionViewItem* option,
                                          const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    // The colour shows as a swatch, not as the whole cell's background.
    option->backgroundBrush = Qt::NoBrush;
}

void CColourCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QVariant colour = index.data(Qt::BackgroundRole);
    if (!colour.isValid()) return;
    const QRect swatch = option.rect.adjusted(4, 3, -4, -3);
    painter->save();
    painter->setPen(option.palette.text().color());
    painter->setBrush(colour.value<QColor>());
    painter->drawRect(swatch.adjusted(0, 0, -1, -1));
    painter->restore();
}

}  // namespace kadenzo
