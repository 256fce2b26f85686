#include "LibraryGridModel.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

#include "CoreText.h"
#include "DecimalField.h"
#include "Formats.h"
#include "LibraryItems.h"
#include "ResourceIds.h"
#include "SpokenText.h"
#include "Texts.h"

namespace kadenzo {
namespace {

// The marks of the fixed column: the current row, the new row, the row
// being edited.
QIcon MarkIcon(LibraryGrid::RowMark mark) {
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.4));
    painter.setBrush(Qt::black);
    QPainterPath path;
    switch (mark) {
        case LibraryGrid::RowMark::Current:
            path.moveTo(3, 1.5);
            path.lineTo(10, 6);
            path.lineTo(3, 10.5);
            path.closeSubpath();
            painter.drawPath(path);
            break;
        case LibraryGrid::RowMark::New:
            painter.drawLine(QPointF(6, 1.5), QPointF(6, 10.5));
            painter.drawLine(QPointF(2, 3.5), QPointF(10, 8.5));
            painter.drawLine(QPointF(2, 8.5), QPointF(10, 3.5));
            break;
        case LibraryGrid::RowMark::Editing:
            painter.setBrush(Qt::NoBrush);
            painter.drawLine(QPointF(2, 10), QPointF(9.5, 2.5));
            painter.drawLine(QPointF(2, 10), QPointF(4.5, 9.5));
            painter.drawLine(QPointF(2, 10), QPointF(2.5, 7.5));
            painter.drawLine(QPointF(1, 11.2), QPointF(11, 11.2));
            break;
        case LibraryGrid::RowMark::None:
            break;
    }
    painter.end();
    return QIcon(pixmap);
}

}  // namespace

QString GridNumberText(double value) {
    std::string text = FormatFixed(value, 6);
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    return QString::fromStdString(text);
}

CLibraryGridModel::CLibraryGridModel(LibraryGrid& grid, const TextService& texts, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), texts_(texts) {
    for (auto mark : {LibraryGrid::RowMark::None, LibraryGrid::RowMark::Current,
                      LibraryGrid::RowMark::New, LibraryGrid::RowMark::Editing})
        marks_[static_cast<std::size_t>(mark)] = MarkIcon(mark);
    grid_.SetListener(this);
}

CLibraryGridModel::~CLibraryGridModel() { grid_.SetListener(nullptr); }

void CLibraryGridModel::SetReadOnly(bool readOnly) {
    beginResetModel();
    readOnly_ = readOnly;
    endResetModel();
}

CellKind CLibraryGridModel::KindOf(int column) const {
    const LibraryListModel* model = grid_.Model();
    if (!model || column < 0 || static_cast<std::size_t>(column) >= model->Columns().size())
        return CellKind::Text;
    return model->Columns()[static_cast<std::size_t>(column)].kind;
}

int CLibraryGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(grid_.RowCount());
}

int CLibraryGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(grid_.ColumnCount());
}

QString CLibraryGridModel::ChoiceName(int column, std::uint32_t id) const {
    if (id == kNoId) return {};
    for (const Choice& choice : grid_.Model()->Choices(static_cast<std::size_t>(column)))
        if (choice.id == id) return FromBytes(choice.name);
    // 0 is how workouts say "none", and some libraries' templates too.
    return id == 0 ? QString() : QStringLiteral("???");
}

QVariant CLibraryGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !grid_.Model()) return {};
    const CellValue& cell =
        grid_.Cell(static_cast<std::size_t>(index.row()), static_cast<std::size_t>(index.column()));
    const bool show = role == Qt::DisplayRole;
    const bool edit = role == Qt::EditRole;
    switch (KindOf(index.column())) {
        case CellKind::Text:
            if (show || edit) return FromBytes(cell.text);
            break;
        case CellKind::Number:
            if (show || edit) return GridNumberText(cell.number);
            if (role == Qt::TextAlignmentRole)
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            break;
        case CellKind::CheckBox:
            if (role == Qt::CheckStateRole) return cell.value ? Qt::Checked : Qt::Unchecked;
            break;
        case CellKind::Choice:
            if (show) return ChoiceName(index.column(), cell.value);
            if (edit) return cell.value;
            // "???" for a lost item reads as a word.
            if (role == Qt::AccessibleTextRole)
                return FromBytes(SpokenText(ToBytes(ChoiceName(index.column(), cell.value)),
                                            texts_.Table()));
            break;
        case CellKind::Colour:
            if (role == Qt::BackgroundRole && cell.value != kNoColour)
                return ColourFromRef(cell.value);
            if (edit) return cell.value;
            // The colour is painted only; a screen reader hears its parts.
            if (role == Qt::AccessibleTextRole) return ColourText(cell.value);
            break;
    }
    return {};
}

QString CLibraryGridModel::ColourText(std::uint32_t colour) const {
    if (colour == kNoColour) return texts_.TextOr(IDS_A11Y_NO_COLOUR, QStringLiteral("No colour"));
    const QColor shown = ColourFromRef(colour);
    return FormatText(texts_.TextOr(IDS_A11Y_COLOUR, QStringLiteral("Red %i, green %i, blue %i")),
                      {shown.red(), shown.green(), shown.blue()});
}

bool CLibraryGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || readOnly_ || !grid_.Model()) return false;
    const CellKind kind = KindOf(index.column());
    if ((kind == CellKind::CheckBox) != (role == Qt::CheckStateRole)) return false;
    if (kind != CellKind::CheckBox && role != Qt::EditRole) return false;
    // A number cell takes what reads as a figure and keeps its value otherwise.
    const double number =
        kind == CellKind::Number ? ReadFigureField(value.toString().toStdString()) : 0;
    if (std::isnan(number)) return false;
    auto row = static_cast<std::size_t>(index.row());
    // A value put into a row starts its edit (a tick needs no editor).
    if (grid_.EditingRow() != row) {
        const std::optional<std::size_t> edited = grid_.BeginEdit(row);
        if (!edited) return false;
        row = *edited;
    }
    CellValue cell = grid_.Cell(row, static_cast<std::size_t>(index.column()));
    switch (kind) {
        case CellKind::Text:
            cell.text = ToBytes(value.toString());
            break;
        case CellKind::Number:
            cell.number = number;
            break;
        case CellKind::CheckBox:
            cell.value = value.toInt() == Qt::Checked ? 1 : 0;
            break;
        case CellKind::Choice:
            cell.value = value.toUInt();
            break;
        case CellKind::Colour:
            cell.value = value.toUInt();
            break;
    }
    grid_.SetCell(row, static_cast<std::size_t>(index.column()), cell);
    return true;
}

Qt::ItemFlags CLibraryGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (readOnly_) return flags;
    if (KindOf(index.column()) == CellKind::CheckBox) return flags | Qt::ItemIsUserCheckable;
    return flags | Qt::ItemIsEditable;
}

QVariant CLibraryGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const LibraryListModel* model = grid_.Model();
    if (!model || section < 0) return {};
    if (orientation == Qt::Horizontal) {
        if (role == Qt::DisplayRole && static_cast<std::size_t>(section) < model->Columns().size())
            return texts_.Text(model->Columns()[static_cast<std::size_t>(section)].titleId);
        return {};
    }
    const auto row = static_cast<std::size_t>(section);
    if (row >= grid_.RowCount()) return {};
    if (role == Qt::DecorationRole) return marks_[static_cast<std::size_t>(grid_.Mark(row))];
    const QString label = row < model->RowCount() ? FromBytes(model->RowLabel(row)) : QString();
    if (role == Qt::DisplayRole) return label.isEmpty() ? QVariant() : QVariant(label);
    // The marks are pictures: a screen reader hears the new and the edited
    // row (the new one also while it is the current one, which the eye sees
    // by its place at the end).
    if (role == Qt::AccessibleTextRole) {
        if (grid_.EditingRow() == row)
            return FormatText(
                texts_.TextOr(IDS_A11Y_EDITED_ROW, QStringLiteral("%s, being edited")),
                {label.isEmpty()
                     ? FormatText(texts_.TextOr(IDS_A11Y_ROW, QStringLiteral("Row %i")), {section + 1})
                     : label});
        if (grid_.NewRow() == row) return texts_.TextOr(IDS_A11Y_NEW_ROW, QStringLiteral("New row"));
        return label.isEmpty() ? QVariant() : QVariant(label);
    }
    return {};
}

void CLibraryGridModel::BeginReset() { beginResetModel(); }
void CLibraryGridModel::EndReset() { endResetModel(); }

void CLibraryGridModel::BeginInsertRow(std::size_t row) {
    beginInsertRows({}, static_cast<int>(row), static_cast<int>(row));
}
void CLibraryGridModel::EndInsertRow() { endInsertRows(); }

void CLibraryGridModel::BeginRemoveRow(std::size_t row) {
    beginRemoveRows({}, static_cast<int>(row), static_cast<int>(row));
}
void CLibraryGridModel::EndRemoveRow() { endRemoveRows(); }

void CLibraryGridModel::RowChanged(std::size_t row) {
    const int r = static_cast<int>(row);
    emit dataChanged(index(r, 0), index(r, std::max(0, columnCount() - 1)));
    emit headerDataChanged(Qt::Vertical, r, r);
}

void CLibraryGridModel::StateChanged() {
    if (rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    emit stateChanged();
}

void CLibraryGridModel::Beep() { emit refused(); }

}  // namespace kadenzo
