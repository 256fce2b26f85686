#include "StatisticsList.h"

#include <QBitmap>
#include <QHeaderView>
#include <QResizeEvent>
#include <algorithm>

#include "DiaryQt.h"
#include "LanguageModule.h"
#include "ResourceIds.h"
#include "Texts.h"
#include "Units.h"

namespace kadenzo {
namespace {

constexpr int kFigureColumns = 4;
constexpr int kRowIndexRole = Qt::UserRole;

// Sport pictures are black on white; white is left out so that the picture
// sits on the list's own background, also on a selected row.
QIcon PictureIcon(const QImage& picture) {
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setMask(pixmap.createMaskFromColor(Qt::white, Qt::MaskInColor));
    return QIcon(pixmap);
}

QString UnitText(int kind, const UnitSettings& units) {
    const LanguageModule* module = CurrentModule();
    return FromCore(module ? UnitLabel(kind, units, *module)
                           : UnitLabel(kind, units, EmptyStringTable{}));
}

}  // namespace

CStatisticsList::CStatisticsList(SortState& sort, const UnitSettings& units, QWidget* parent)
    : QTreeWidget(parent), sort_(sort), units_(units) {
    setObjectName(QString::number(IDC_STATS_LIST));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);  // full-row selection
    setAllColumnsShowFocus(true);
    setIconSize(QSize(SPORT_ICON_SIZE, SPORT_ICON_SIZE));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    connect(header(), &QHeaderView::sectionClicked, this, &CStatisticsList::SortBy);
}

void CStatisticsList::SetColumns(const QString& first, const QString& speed) {
    headings_ = QStringList{
        first,
        FormatText(QStringLiteral("%s [%s]"),
                   {Text(IDS_COL_DISTANCE), UnitText(kUnitDistance, units_)}),
        FormatText(QStringLiteral("%s [h]"), {Text(IDS_COL_DURATION)}),
        FormatText(QStringLiteral("%s [%s]"), {speed, UnitText(kUnitSpeed, units_)}),
        FormatText(QStringLiteral("%s [%s]"),
                   {Text(IDS_COL_HEART_RATE), Text(IDS_UNIT_HEART_RATE)}),
    };
    setColumnCount(static_cast<int>(headings_.size()));
    setHeaderLabels(headings_);
    headerItem()->setTextAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < headings_.size(); ++c) {
        headerItem()->setToolTip(c, headings_.at(c));
        if (c > 0) headerItem()->setTextAlignment(c, Qt::AlignHCenter | Qt::AlignVCenter);
    }
    ShowSortMark();
    SpreadColumns();
}

void CStatisticsList::SetRows(std::vector<StatisticsRow> rows) {
    rows_ = std::move(rows);
    // A new computation keeps the order the header shows.
    SortRows(rows_, sort_);
    Fill();
}

const StatisticsRow* CStatisticsList::SelectedRow() const {
    const QTreeWidgetItem* item = currentItem();
    if (!item || !item->isSelected()) return nullptr;
    const auto index = item->data(0, kRowIndexRole).toULongLong();
    return index < rows_.size() ? &rows_[index] : nullptr;
}

void CStatisticsList::SortBy(int column) {
    sort_.Click(column);
    SortRows(rows_, sort_);
    Fill();
    ShowSortMark();
}

void CStatisticsList::Fill() {
    clear();
    QList<QTreeWidgetItem*> items;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const StatisticsRow& row = rows_[i];
        const RowFigures figures = FormatRowFigures(row, units_);
        auto* item = new QTreeWidgetItem(QStringList{
            FromCore(row.Text()), QString::fromStdString(figures.distance),
            QString::fromStdString(figures.hours), QString::fromStdString(figures.speed),
            QString::fromStdString(figures.heartRate)});
        item->setData(0, kRowIndexRole, static_cast<qulonglong>(i));
        item->setIcon(0, SportIcon(row.iconId));
        for (int c = 1; c <= kFigureColumns; ++c) item->setTextAlignment(c, Qt::AlignCenter);
        items.append(item);
    }
    addTopLevelItems(items);
    SpreadColumns();
}

QIcon CStatisticsList::SportIcon(std::uint32_t iconId) {
    if (iconId < 1 || iconId > static_cast<std::uint32_t>(SPORT_ICON_COUNT)) return {};
    auto it = icons_.find(iconId);
    if (it != icons_.end()) return it->second;
    const LanguageModule* module = CurrentModule();
    const QImage picture =
        module ? module->Bitmap(IDB_SPORT_FIRST + static_cast<int>(iconId) - 1) : QImage();
    QIcon icon = picture.isNull() ? QIcon() : PictureIcon(picture);
    icons_.emplace(iconId, icon);
    return icon;
}

void CStatisticsList::ShowSortMark() {
    if (sort_.Value() == 0 || sort_.Column() >= columnCount()) {
        header()->setSortIndicatorShown(false);
        return;
    }
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(sort_.Column(),
                               sort_.Ascending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void CStatisticsList::SpreadColumns() {
    if (columnCount() != kFigureColumns + 1) return;
    const int width = viewport()->width();
    const int figure = width / 6;
    setColumnWidth(0, width - kFigureColumns * figure);
    for (int c = 1; c <= kFigureColumns; ++c) setColumnWidth(c, figure);
    // A heading wider than its column ends in "..." rather than being cut
    // on both sides; the tool tip has it in full.
    const QFontMetrics metrics(header()->font());
    const int padding = 2 * metrics.height();
    for (int c = 0; c < headings_.size(); ++c) {
        headerItem()->setText(
            c, metrics.elidedText(headings_.at(c), Qt::ElideRight, columnWidth(c) - padding));
    }
}

int CStatisticsList::ComfortableWidth() const {
    const QFontMetrics metrics(header()->font());
    int widest = 0;
    for (int c = 1; c < headings_.size(); ++c)
        widest = std::max(widest, metrics.horizontalAdvance(headings_.at(c)));
    // Room for the header's padding and sort mark, six shares in all, but
    // not wider than a modest dialog.
    return std::min(6 * (widest + 2 * metrics.height()) + 2 * frameWidth(), 900);
}

void CStatisticsList::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    SpreadColumns();
}

}  // namespace kadenzo
