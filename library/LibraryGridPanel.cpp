#include "LibraryGridPanel.h"

#include <QApplication>
#include <QColorDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "ControlId.h"
#include "LibraryGridDelegates.h"
#include "LibraryGridModel.h"
#include "LibraryItems.h"
#include "ResourceIds.h"
#include "Texts.h"

namespace kadenzo {
namespace {

constexpr int kFixedColumnWidth = 25;

std::optional<std::uint32_t> AskForColour(std::uint32_t current, QWidget* parent) {
    const QColor start = current == kNoColour ? QColor(Qt::white)
                                              : QColor(static_cast<int>(current & 0xFF),
                                                       static_cast<int>((current >> 8) & 0xFF),
                                                       static_cast<int>((current >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(start, parent);
    if (!chosen.isValid()) return std::nullopt;
    return static_cast<std::uint32_t>(chosen.red()) |
           static_cast<std::uint32_t>(chosen.green()) << 8 |
           static_cast<std::uint32_t>(chosen.blue()) << 16;
}

}  // namespace

CLibraryGridView::CLibraryGridView(CLibraryGridModel& model, QWidget* parent)
    : QTableView(parent), model_(model), chooseColour_(AskForColour) {
    SetControlId(this, IDC_LIBRARY_GRID);
    setModel(&model_);
    setEditTriggers(DoubleClicked | SelectedClicked | EditKeyPressed | AnyKeyPressed);
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectItems);
    setAlternatingRowColors(true);
    // Tab leaves the grid for the tabs and the buttons, as in any dialog;
    // the arrow keys move between the cells.
    setTabKeyNavigation(false);
    verticalHeader()->setMinimumWidth(kFixedColumnWidth);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
}

void CLibraryGridView::SpreadColumns() {
    // Each kind of cell gets a width that shows its values; the last column
    // takes what is left.
    for (int column = 0; column < model_.columnCount(); ++column) {
        int width = 60;
        switch (model_.KindOf(column)) {
            case CellKind::Text:
                width = 160;
                break;
            case CellKind::Choice:
                width = 140;
                break;
            case CellKind::Number:
            case CellKind::CheckBox:
            case CellKind::Colour:
                break;
        }
        const QString title = model_.headerData(column, Qt::Horizontal).toString();
        width = std::max(width, horizontalHeader()->fontMetrics().horizontalAdvance(title) + 24);
        setColumnWidth(column, width);
    }
}

bool CLibraryGridView::OpensEditor(const QModelIndex& index, EditTrigger trigger) const {
    if (!(model_.flags(index) & Qt::ItemIsEditable)) return false;
    if (trigger == AllEditTriggers) return true;
    if (!(editTriggers() & trigger)) return false;
    return trigger != SelectedClicked || selectionModel()->isSelected(index);
}

void CLibraryGridView::MoveCurrentTo(int row, int column) {
    moving_ = true;
    setCurrentIndex(model_.index(row, column));
    moving_ = false;
}

bool CLibraryGridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (!index.isValid() || !OpensEditor(index, trigger))
        return QTableView::edit(index, trigger, event);
    // A click on another row whose entry was refused starts no edit there.
    const bool byMouse = trigger == DoubleClicked || trigger == SelectedClicked;
    if (byMouse && index.row() != currentIndex().row()) return false;
    const bool colour = model_.KindOf(index.column()) == CellKind::Colour;
    // Typing into a colour cell opens nothing: the colour is chosen in a dialog.
    if (colour && trigger == AnyKeyPressed) return false;
    const std::optional<std::size_t> row = model_.Grid().BeginEdit(index.row());
    if (!row) {
        if (const auto edited = model_.Grid().EditingRow())
            MoveCurrentTo(static_cast<int>(*edited), index.column());
        return false;
    }
    const QModelIndex target = model_.index(static_cast<int>(*row), index.column());
    if (currentIndex() != target) MoveCurrentTo(target.row(), target.column());
    if (colour) {
        ChooseColour(target);
        return false;
    }
    return QTableView::edit(target, trigger, event);
}

void CLibraryGridView::ChooseColour(const QModelIndex& index) {
    if (!chooseColour_) return;
    const std::optional<std::uint32_t> colour =
        chooseColour_(index.data(Qt::EditRole).toUInt(), this);
    if (colour) model_.setData(index, *colour, Qt::EditRole);
}

void CLibraryGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, hint);
    // Escape in a cell undoes the whole row's edit.
    if (hint == QAbstractItemDelegate::RevertModelCache) model_.Grid().Escape();
}

void CLibraryGridView::CommitOpenEditor() {
    if (state() != EditingState) return;
    // Cell editors live on the viewport; closed ones are hidden until deleted.
    for (QWidget* editor : viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (editor->isHidden()) continue;
        commitData(editor);
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void CLibraryGridView::keyPressEvent(QKeyEvent* event) {
    // What a cell editor leaves of Enter confirms the cell, never the dialog.
    if (state() == EditingState &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        return;
    }
    if (state() != EditingState) {
        if (event->key() == Qt::Key_Escape && model_.Grid().EditingRow()) {
            model_.Grid().Escape();
            event->accept();
            return;
        }
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            // Enter on a cell is the dialog's OK, as in any dialog.
            event->ignore();
            return;
        }
        if (event->key() == Qt::Key_Delete && !model_.ReadOnly()) {
            // Only whole rows are deleted, never the values of single cells.
            std::vector<std::size_t> rows;
            for (const QModelIndex& row : selectionModel()->selectedRows())
                rows.push_back(static_cast<std::size_t>(row.row()));
            if (!rows.empty()) {
                model_.Grid().DeleteRows(rows);
                event->accept();
                return;
            }
        }
    }
    QTableView::keyPressEvent(event);
}

void CLibraryGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    // Rows coming and going move the current cell too; that is no entering.
    if (moving_ || model_.Grid().Changing() || !current.isValid() ||
        current.row() == previous.row())
        return;
    const std::optional<std::size_t> entered =
        model_.Grid().EnterRow(static_cast<std::size_t>(current.row()));
    if (!entered) {
        // The edited row may not be left: back to it.
        if (const auto edited = model_.Grid().EditingRow())
            MoveCurrentTo(static_cast<int>(*edited), current.column());
    } else if (static_cast<int>(*entered) != current.row()) {
        MoveCurrentTo(static_cast<int>(*entered), current.column());
    }
}

CLibraryGridPanel::CLibraryGridPanel(const TextService& texts, QWidget* parent)
    : QWidget(parent), texts_(texts) {
    model_ = new CLibraryGridModel(grid_, texts_, this);
    view_ = new CLibraryGridView(*model_, this);
    view_->setItemDelegate(new CTextCellDelegate(view_));
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("message"));
    message_->setStyleSheet(QStringLiteral("color: #b00000"));
    message_->setWordWrap(true);
    message_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 1);
    layout->addWidget(message_);
    connect(model_, &CLibraryGridModel::stateChanged, this, &CLibraryGridPanel::ShowMessage);
    connect(model_, &CLibraryGridModel::refused, this, [] { QApplication::beep(); });
}

CLibraryGridPanel::~CLibraryGridPanel() {
    // The view and its model go before the grid they show.
    delete view_;
    delete model_;
}

void CLibraryGridPanel::SetModel(LibraryListModel* model) {
    view_->CommitOpenEditor();
    grid_.SetModel(model);
    const int columns = model_->columnCount();
    for (int column = 0; column < std::max(columns, delegatedColumns_); ++column) {
        QAbstractItemDelegate* delegate = nullptr;
        switch (column < columns ? model_->KindOf(column) : CellKind::Text) {
            case CellKind::Number:
                delegate = new CNumberCellDelegate(view_);
                break;
            case CellKind::Choice:
                delegate = new CChoiceCellDelegate(*model_, view_);
                break;
            case CellKind::Colour:
                delegate = new CColourCellDelegate(view_);
                break;
            case CellKind::Text:
            case CellKind::CheckBox:
                break;
        }
        QAbstractItemDelegate* old = view_->itemDelegateForColumn(column);
        view_->setItemDelegateForColumn(column, delegate);
        delete old;
    }
    delegatedColumns_ = columns;
    view_->SpreadColumns();
    ShowMessage();
}

bool CLibraryGridPanel::FinishEditing() {
    view_->CommitOpenEditor();
    return grid_.FinishEditing();
}

void CLibraryGridPanel::SetReadOnly(bool readOnly) { model_->SetReadOnly(readOnly); }

void CLibraryGridPanel::ShowMessage() {
    const std::uint32_t id = grid_.MessageId();
    message_->setText(id ? texts_.Text(id) : QString());
    message_->setVisible(id != 0);
}

}  // namespace kadenzo
