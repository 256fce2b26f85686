#include "StatisticsList.h"

#include <QBitmap>
#include <QHeaderView>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "CoreText.h"
#include "LanguageModule.h"
#include "ResourceIds.h"
#include "Texts.h"
#include "Units.h"

namespace kadenzo {
namespace {

constexpr int kFigureColumns = 4;
constexpr int kRowIndexRole = Qt::UserRole;
constexpr int kNameColumnWidth = 150;

// Sport pictures are black on white; white is left out so that the picture
// sits on the list's own background, also on a selected row.
QIcon PictureIcon(const QImage& picture) {
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setMask(pixmap.createMaskFromColor(Qt::white, Qt::MaskInColor));
    return QIcon(pixmap);
}

QString UnitText(int kind, const UnitSettings& units, const TextService& texts) {
    return FromBytes(UnitLabel(kind, units, texts.Table()));
}

}  // namespace

CStatisticsList::CStatisticsList(SortState& sort, const UnitSettings& units,
                                 const TextService& texts, QWidget* parent)
    : QTreeWidget(parent), sort_(sort), units_(units), texts_(texts) {
    setObjectName(QString::number(IDC_STATS_LIST));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);  // full-row selection
    setAllColumnsShowFocus(true);
    setIconSize(QSize(SPORT_ICON_SIZE, SPORT_ICON_SIZE));
    // Columns never shrink below their headings; a narrow dialog scrolls.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    connect(header(), &QHeaderView::sectionClicked, this, &CStatisticsList::SortBy);
}

void CStatisticsList::SetColumns(const QString& first, const QString& speed) {
    headings_ = QStringList{
        first,
        FormatText(QStringLiteral("%s [%s]"),
                   {texts_.Text(IDS_COL_DISTANCE), UnitText(kUnitDistance, units_, texts_)}),
        FormatText(QStringLiteral("%s [h]"), {texts_.Text(IDS_COL_DURATION)}),
        FormatText(QStringLiteral("%s [%s]"), {speed, UnitText(kUnitSpeed, units_, texts_)}),
        FormatText(QStringLiteral("%s [%s]"),
                   {texts_.Text(IDS_COL_HEART_RATE), texts_.Text(IDS_UNIT_HEART_RATE)}),
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
            FromBytes(row.Text()), QString::fromStdString(figures.distance),
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
    const LanguageModule* module = texts_.Module();
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

std::vector<int> CStatisticsList::NeededWidths() const {
    // A heading's text, the header's margins on both sides and the room of
    // the sort mark, which every column may show.
    const QFontMetrics metrics(header()->font());
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header());
    const int mark = style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header());
    std::vector<int> needed;
    for (const QString& heading : headings_)
        needed.push_back(metrics.horizontalAdvance(heading) + 4 * margin + mark + 2);
    // The rows' texts fit as well: the names with their pictures, mostly.
    for (int c = 0; c < static_cast<int>(needed.size()) && c < columnCount(); ++c)
        needed[c] = std::max(needed[c], sizeHintForColumn(c));
    if (!needed.empty()) needed[0] = std::max(needed[0], kNameColumnWidth);
    return needed;
}

void CStatisticsList::SpreadColumns() {
    if (columnCount() != kFigureColumns + 1) return;
    const std::vector<int> widths = StatisticsColumnWidths(viewport()->width(), NeededWidths());
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) setColumnWidth(c, widths[c]);
}

int CStatisticsList::ComfortableWidth() const {
    const std::vector<int> needed = NeededWidths();
    int widest = 0;
    for (std::size_t c = 1; c < needed.size(); ++c) widest = std::max(widest, needed[c]);
    // Even shares for every figure column when that is not too wide, else
    // just what the headings need.
    const int even = needed.empty() ? 0 : std::max(6 * widest, needed[0] + 4 * widest);
    int least = 0;
    for (int width : needed) least += width;
    return std::max(std::min(even, 900), least) + 2 * frameWidth() +
           verticalScrollBar()->sizeHint().width();
}

void CStatisticsList::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    SpreadColumns();
}

int FittingWidth(const QWidget& dialog, int least, int wanted) {
    const QScreen* screen = dialog.screen();
    const int room = screen ? screen->availableGeometry().width() * 9 / 10 : wanted;
    return std::max(least, std::min(wanted, room));
}

}  // namespace kadenzo
