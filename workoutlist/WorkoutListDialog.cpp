#include "WorkoutListDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ControlId.h"
#include "CoreText.h"
#include "KadenzoDoc.h"
#include "ResourceIds.h"
#include "SpokenText.h"
#include "Texts.h"
#include "WorkoutEditing.h"

namespace kadenzo {
namespace {

// Texts of the dialog in the language modules.
constexpr std::uint32_t kWorkoutListTitle = 34430;
constexpr std::uint32_t kCount = 34431;  // %i: the number of workouts

constexpr std::uint32_t kHeadings[kWorkoutListColumns] = {IDS_COL_DATE,
                                                          IDS_COL_TEMPLATE,
                                                          IDS_COL_SPORT,
                                                          IDS_COL_LIST_DISTANCE,
                                                          IDS_COL_LIST_DURATION,
                                                          IDS_COL_LIST_PART_DISTANCE,
                                                          IDS_COL_LIST_PART_DURATION};

constexpr int kRowRole = Qt::UserRole;
// Above this many rows the columns are not measured row by row.
constexpr int kMeasuredRows = 2000;

}  // namespace

CWorkoutListDialog::CWorkoutListDialog(CKadenzoDoc& doc, FindRows findRows, WorkoutListSort& sort,
                                       WorkoutEditing& editing, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      texts_(doc.Context()),
      findRows_(std::move(findRows)),
      sort_(sort),
      editing_(editing) {
    setWindowTitle(texts_.Text(kWorkoutListTitle));
    SetControlId(this, IDD_WORKOUT_LIST);
    list_ = new QTreeWidget(this);
    SetControlId(list_, IDC_WORKOUT_LIST);
    // The list is what the window shows: a screen reader names it so.
    list_->setAccessibleName(windowTitle());
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setAllColumnsShowFocus(true);
    QStringList headings;
    for (std::uint32_t id : kHeadings) headings << texts_.Text(id);
    list_->setHeaderLabels(headings);
    list_->header()->setSectionsClickable(true);
    list_->header()->setSectionsMovable(false);
    list_->header()->setStretchLastSection(true);
    for (int column = 3; column < kWorkoutListColumns; ++column)
        list_->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);

    count_ = new QLabel(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Enter opens the selected workout rather than closing the list.
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(count_, 1);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(bottom);

    connect(list_->header(), &QHeaderView::sectionClicked, this, &CWorkoutListDialog::SortBy);
    // A double-click, or Enter on a row.
    connect(list_, &QTreeWidget::itemActivated, this, [this] { OpenSelected(); });
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (filling_) return;
        const auto row = item ? item->data(0, kRowRole).toULongLong() : rows_.size();
        current_ = row < rows_.size() ? doc_.Log().HandleOf(rows_[row]) : 0;
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    doc_.AddObserver(this);
    Refresh();
    resize(760, 420);
    SpreadColumns();
}

CWorkoutListDialog::~CWorkoutListDialog() { doc_.RemoveObserver(this); }

void CWorkoutListDialog::Refresh() {
    rows_ = KeepEditedRows(findRows_ ? findRows_() : std::vector<CDatabase::ConstWorkoutPos>{},
                           doc_.Log(), edited_);
    // A list opened again sorts the way the last one was left.
    SortWorkoutRows(rows_, sort_, doc_.Library());
    Fill();
    ShowSortMark();
}

void CWorkoutListDialog::Fill() {
    filling_ = true;
    list_->clear();
    const AppContext& context = doc_.Context();
    QList<QTreeWidgetItem*> items;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const auto texts =
            WorkoutRowTexts(**rows_[i], doc_.Library(), context.units, context.Texts());
        QStringList columns;
        for (const std::string& text : texts) columns << FromBytes(text);
        auto* item = new QTreeWidgetItem(columns);
        item->setData(0, kRowRole, static_cast<qulonglong>(i));
        // A lost template or sport ("???") reads as a word.
        for (int column = 0; column < columns.size(); ++column)
            if (columns[column].contains(QStringLiteral("???")))
                item->setData(column, Qt::AccessibleTextRole,
                              FromBytes(SpokenText(texts[static_cast<std::size_t>(column)],
                                                   context.Texts())));
        for (int column = 3; column < kWorkoutListColumns; ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        items.append(item);
    }
    list_->addTopLevelItems(items);
    SelectCurrent();
    filling_ = false;
    count_->setText(texts_.Count(IDS_WORKOUT_COUNT_ONE, kCount, static_cast<qint64>(rows_.size())));
}

void CWorkoutListDialog::SelectCurrent() {
    // The selection stays on its workout wherever the new rows put it, so
    // that Enter opens the workout the user is on.
    const std::optional<CDatabase::ConstWorkoutPos> position = doc_.Log().FindWorkout(current_);
    if (!position) return;
    const auto row = std::find(rows_.begin(), rows_.end(), *position);
    if (row == rows_.end()) return;
    QTreeWidgetItem* item = list_->topLevelItem(static_cast<int>(row - rows_.begin()));
    list_->setCurrentItem(item);
    list_->scrollToItem(item);
}

void CWorkoutListDialog::SpreadColumns() {
    // As wide as their contents, at least a seventh of the list each.
    const int least = list_->viewport()->width() / kWorkoutListColumns;
    for (int column = 0; column < kWorkoutListColumns; ++column) {
        int width =
            list_->header()->fontMetrics().horizontalAdvance(list_->headerItem()->text(column)) +
            30;
        if (list_->topLevelItemCount() <= kMeasuredRows) {
            list_->resizeColumnToContents(column);
            width = std::max(width, list_->columnWidth(column) + 12);
        }
        list_->setColumnWidth(column, std::max(width, least));
    }
}

void CWorkoutListDialog::ShowSortMark() {
    if (sort_.Value() == 0) {
        list_->header()->setSortIndicatorShown(false);
        return;
    }
    list_->header()->setSortIndicatorShown(true);
    list_->header()->setSortIndicator(sort_.Column(),
                                      sort_.Ascending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void CWorkoutListDialog::SortBy(int column) {
    if (column < 0 || column >= kWorkoutListColumns) return;
    sort_.Click(column);
    SortWorkoutRows(rows_, sort_, doc_.Library());
    Fill();
    ShowSortMark();
}

void CWorkoutListDialog::OpenSelected() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty() || !editing_.editWorkout) return;
    const auto row = selected.front()->data(0, kRowRole).toULongLong();
    if (row >= rows_.size()) return;
    const CDatabase::WorkoutHandle handle = doc_.Log().HandleOf(rows_[row]);
    current_ = handle;
    // Kept before the editor stores the change: the document tells this list
    // of it, which runs the search again.
    const bool kept = std::find(edited_.begin(), edited_.end(), handle) != edited_.end();
    if (!kept) edited_.push_back(handle);
    if (!editing_.editWorkout(rows_[row], this) && !kept) edited_.pop_back();
}

void CWorkoutListDialog::OnDocumentChanged(const DocumentChange& change) {
    if (change.Has(DocumentChange::kWorkouts | DocumentChange::kLibrary)) Refresh();
}

void CWorkoutListDialog::OnDocumentReplacing() {
    // Every position dies with the replaced log, and the handles find nothing
    // in the new one: the selection and the kept rows go.
    current_ = 0;
    edited_.clear();
    filling_ = true;
    rows_.clear();
    list_->clear();
    filling_ = false;
}

void CWorkoutListDialog::OnDocumentReplaced() { Refresh(); }

}  // namespace kadenzo
