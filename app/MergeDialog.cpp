#include "MergeDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include "ConflictTableModel.h"
#include "ControlId.h"
#include "CoreText.h"
#include "ResourceIds.h"
#include "SyncTexts.h"

namespace kadenzo {
namespace {

QLabel* DetailsLabel(int id, QWidget* parent) {
    auto* label = new QLabel(parent);
    SetControlId(label, id);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setMinimumHeight(label->fontMetrics().lineSpacing() * 5);
    return label;
}

}  // namespace

CMergeDialog::CMergeDialog(ConflictRows& rows, const QString& intro, const TextService& texts,
                           QWidget* parent)
    : QDialog(parent), rows_(rows) {
    setWindowTitle(texts.TextOr(synctext::kMergeTitle, QStringLiteral("Merge Changes")));

    auto* introLabel = new QLabel(intro, this);
    SetControlId(introLabel, IDC_MERGE_INTRO);
    introLabel->setWordWrap(true);

    model_ = new ConflictTableModel(rows_, this);
    list_ = new QTableView(this);
    SetControlId(list_, IDC_MERGE_LIST);
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setTabKeyNavigation(false);
    list_->setWordWrap(false);
    list_->verticalHeader()->hide();
    // The day and what clashed as wide as they read, the two versions share
    // the rest; the Keep column as wide as its widest choice.
    QHeaderView* header = list_->horizontalHeader();
    header->setStretchLastSection(false);
    const auto column = [](ConflictColumn c) { return static_cast<int>(c); };
    header->setSectionResizeMode(column(ConflictColumn::Day), QHeaderView::ResizeToContents);
    header->setSectionResizeMode(column(ConflictColumn::Conflict), QHeaderView::ResizeToContents);
    header->setSectionResizeMode(column(ConflictColumn::Mine), QHeaderView::Stretch);
    header->setSectionResizeMode(column(ConflictColumn::Theirs), QHeaderView::Stretch);
    header->setSectionResizeMode(column(ConflictColumn::Keep), QHeaderView::Fixed);
    int keepWidth =
        header->fontMetrics().horizontalAdvance(FromBytes(rows_.Header(ConflictColumn::Keep)));
    for (std::size_t row = 0; row < rows_.Count(); ++row) {
        const sync::Choice current = rows_.ChoiceOf(row);
        for (sync::Choice choice : rows_.Row(row).offered) {
            rows_.Choose(row, choice);
            keepWidth = std::max(keepWidth, list_->fontMetrics().horizontalAdvance(
                                                FromBytes(rows_.Text(row, ConflictColumn::Keep))));
        }
        rows_.Choose(row, current);
    }
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    list_->setColumnWidth(column(ConflictColumn::Keep), keepWidth + 2 * em);
    list_->installEventFilter(this);
    auto* listLabel =
        new QLabel(texts.TextOr(synctext::kConflictList, QStringLiteral("Con&flicts:")), this);
    listLabel->setBuddy(list_);
    // The list reads as its label does.
    QString listName = listLabel->text();
    list_->setAccessibleName(listName.remove(QLatin1Char('&')).remove(QLatin1Char(':')).trimmed());

    auto* mineBox = new QGroupBox(
        texts.TextOr(synctext::kMineDetails, QStringLiteral("This diary's version:")), this);
    mineDetails_ = DetailsLabel(IDC_MERGE_MINE_DETAILS, mineBox);
    (new QVBoxLayout(mineBox))->addWidget(mineDetails_);
    auto* theirsBox = new QGroupBox(
        texts.TextOr(synctext::kTheirsDetails, QStringLiteral("The other version:")), this);
    theirsDetails_ = DetailsLabel(IDC_MERGE_THEIRS_DETAILS, theirsBox);
    (new QVBoxLayout(theirsBox))->addWidget(theirsDetails_);
    auto* versions = new QHBoxLayout;
    versions->addWidget(mineBox, 1);
    versions->addWidget(theirsBox, 1);

    auto* keepBox = new QGroupBox(
        texts.TextOr(synctext::kKeepGroup, QStringLiteral("Keep for the selected conflict")), this);
    auto* keepLayout = new QHBoxLayout(keepBox);
    keep_ = new QButtonGroup(this);
    const struct {
        sync::Choice choice;
        int id;
        std::uint32_t text;
        const char* english;
    } choices[] = {
        {sync::Choice::Mine, IDC_MERGE_KEEP_MINE, synctext::kKeepMine, "This &diary's version"},
        {sync::Choice::Theirs, IDC_MERGE_KEEP_THEIRS, synctext::kKeepTheirs, "The other &version"},
        {sync::Choice::Both, IDC_MERGE_KEEP_BOTH, synctext::kKeepBoth, "&Both versions"},
    };
    for (const auto& choice : choices) {
        auto* button = new QRadioButton(
            texts.TextOr(choice.text, QString::fromLatin1(choice.english)), keepBox);
        SetControlId(button, choice.id);
        keep_->addButton(button, static_cast<int>(choice.choice));
        keepLayout->addWidget(button);
    }
    keepLayout->addStretch(1);
    connect(keep_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) model_->Choose(CurrentRow(), static_cast<sync::Choice>(id));
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(introLabel);
    layout->addWidget(listLabel);
    layout->addWidget(list_, 1);
    layout->addLayout(versions);
    layout->addWidget(keepBox);
    layout->addWidget(buttons);

    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CMergeDialog::ShowRow);
    connect(model_, &QAbstractItemModel::dataChanged, this, &CMergeDialog::ShowRow);
    if (model_->rowCount() > 0) list_->setCurrentIndex(model_->index(0, 0));
    ShowRow();
    list_->setFocus();
    // Wide enough for the two versions side by side, within the screen.
    QSize size(100 * em, 36 * fontMetrics().lineSpacing());
    if (const QScreen* shown = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(shown->availableGeometry().size() * 9 / 10);
    resize(size.expandedTo(sizeHint()));
}

int CMergeDialog::CurrentRow() const { return list_->currentIndex().row(); }

void CMergeDialog::ShowRow() {
    const int row = CurrentRow();
    const bool shown = row >= 0 && row < model_->rowCount();
    const auto at = static_cast<std::size_t>(row);
    mineDetails_->setText(shown ? FromBytes(rows_.Row(at).mineDetails) : QString());
    theirsDetails_->setText(shown ? FromBytes(rows_.Row(at).theirsDetails) : QString());
    for (QAbstractButton* button : keep_->buttons()) {
        const auto choice = static_cast<sync::Choice>(keep_->id(button));
        const bool offered = shown && rows_.Offers(at, choice);
        button->setEnabled(offered);
        const bool checked = offered && rows_.ChoiceOf(at) == choice;
        if (button->isChecked() != checked) {
            // A group whose buttons may all be off for a moment.
            keep_->setExclusive(false);
            const QSignalBlocker quiet(keep_);
            button->setChecked(checked);
            keep_->setExclusive(true);
        }
        // The choice is one stop for Tab, at the button that is on; the
        // arrow keys go from there to the others and turn them on.
        button->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

bool CMergeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        model_->ChooseNext(CurrentRow(), 1);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kadenzo
