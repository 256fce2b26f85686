#include "EventsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ControlId.h"
#include "CoreText.h"
#include "DateTime.h"
#include "DocumentEdits.h"
#include "Formats.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "MonthCalendar.h"
#include "MonthCalendarAccessible.h"
#include "ResourceIds.h"
#include "Texts.h"

namespace kadenzo {
namespace {

// Texts of the dialog in the language modules.
constexpr std::uint32_t kEventsTitle = 34400;
constexpr std::uint32_t kKindLabel = 34401;
constexpr std::uint32_t kBlocksDay = 34402;
constexpr std::uint32_t kSelectionLabel = 34403;
constexpr std::uint32_t kOtherKind = 34404;  // %i: a kind the list does not offer
constexpr std::uint32_t kNoSelection = 34405;

// An entry of the kind list: its kind, and whether it is one of the entries
// shown only for the selection at hand.
constexpr int kKindRole = Qt::UserRole;
constexpr int kEntryRole = Qt::UserRole + 1;
enum Entry { kOffered = 0, kMixed = 1, kOther = 2 };

QString DayText(int day) {
    const std::optional<DateParts> parts = PartsFromDateTime(NoonOfDayNumber(day));
    return parts ? QString::fromStdString(FormatDate(*parts)) : QString();
}

}  // namespace

CEventsDialog::CEventsDialog(CKadenzoDoc& doc, QWidget* parent)
    : QDialog(parent), doc_(doc), texts_(doc.Context()), values_(doc.Log().Events()) {
    setWindowTitle(texts_.Text(kEventsTitle));
    SetControlId(this, IDD_EVENTS);

    InstallMonthCalendarAccessible();
    const int today = doc_.Context().Today();
    calendar_ = new CMonthCalendar(texts_.Table(), today, this);
    SetControlId(calendar_, IDC_EVENTS_CALENDAR);
    calendar_->setAccessibleName(windowTitle());
    calendar_->ShowDay(today);
    calendar_->SetMonthLayout(1, 4);
    calendar_->SetMarkFunction([this](int day) -> std::optional<CMonthCalendar::DayMark> {
        const std::optional<DayEvent> event = values_.Days().At(day);
        if (!event) return std::nullopt;
        // Built-in kinds, and kinds without a colour of their own, are light yellow.
        CEvent stored;
        stored.kind = event->kind;
        const CLibEvent* kind =
            stored.IsBuiltInKind()
                ? nullptr
                : doc_.Library().FindEvent(static_cast<std::uint32_t>(event->kind));
        const std::uint32_t colour =
            kind && kind->colour != kNoColour ? kind->colour : CEvent::kBuiltInColour;
        const QString name = event->kind == DayEvent::kNoKind ? QString()
                             : kind                           ? FromBytes(kind->name)
                                                              : texts_.Format(kOtherKind, {event->kind});
        const QString description =
            !event->blocksDay ? name
            : name.isEmpty()  ? texts_.Text(IDS_A11Y_NO_TRAINING)
                              : texts_.Format(IDS_A11Y_DAY_EVENT_BLOCKED, {name});
        return CMonthCalendar::DayMark{ColourFromRef(colour), event->blocksDay, description};
    });

    kind_ = new QComboBox(this);
    SetControlId(kind_, IDC_EVENTS_KIND);
    kind_->addItem(QString());
    kind_->setItemData(0, DayEvent::kNoKind, kKindRole);
    kind_->setItemData(0, kOffered, kEntryRole);
    for (const auto& kind : doc_.Library().eventKinds) {
        kind_->addItem(FromBytes(kind->name));
        kind_->setItemData(kind_->count() - 1, static_cast<std::int32_t>(kind->id), kKindRole);
        kind_->setItemData(kind_->count() - 1, kOffered, kEntryRole);
    }
    kind_->setCurrentIndex(0);
    kind_->setMinimumContentsLength(20);

    blocks_ = new QCheckBox(texts_.Text(kBlocksDay), this);
    SetControlId(blocks_, IDC_EVENTS_BLOCKS_DAY);
    selection_ = new QLabel(texts_.Text(kNoSelection), this);

    auto* form = new QFormLayout;
    form->addRow(texts_.Text(kSelectionLabel), selection_);
    form->addRow(texts_.Text(kKindLabel), kind_);
    form->addRow(QString(), blocks_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar_, 1);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(calendar_, &CMonthCalendar::clicked, this, &CEventsDialog::OnCalendarClicked);
    connect(buttons, &QDialogButtonBox::accepted, this, &CEventsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    EnableControls(false);
}

void CEventsDialog::EnableControls(bool enabled) {
    kind_->setEnabled(enabled);
    blocks_->setEnabled(enabled);
}

DayRangeState CEventsDialog::ReadControls() const {
    DayRangeState state;
    const int index = std::max(0, kind_->currentIndex());
    if (kind_->itemData(index, kEntryRole).toInt() == kMixed)
        state.kind.reset();
    else
        state.kind = kind_->itemData(index, kKindRole).toInt();
    switch (blocks_->checkState()) {
        case Qt::Unchecked:
            state.blocks = 0;
            break;
        case Qt::Checked:
            state.blocks = 1;
            break;
        case Qt::PartiallyChecked:
            state.blocks = 2;
            break;
    }
    return state;
}

void CEventsDialog::ShowControls(const DayRangeState& state) {
    blocks_->setTristate(state.blocks == 2);
    blocks_->setCheckState(state.blocks == 2   ? Qt::PartiallyChecked
                           : state.blocks == 1 ? Qt::Checked
                                               : Qt::Unchecked);
    // The mixed entry and that of a kind the list does not offer are shown
    // only while the selection needs them.
    for (int i = kind_->count() - 1; i >= 0; --i)
        if (kind_->itemData(i, kEntryRole).toInt() != kOffered) kind_->removeItem(i);
    if (!state.kind) {
        kind_->insertItem(1, texts_.Text(IDS_MIXED_EVENT_KINDS));
        kind_->setItemData(1, kMixed, kEntryRole);
        kind_->setCurrentIndex(1);
        return;
    }
    for (int i = 0; i < kind_->count(); ++i) {
        if (kind_->itemData(i, kKindRole).toInt() == *state.kind) {
            kind_->setCurrentIndex(i);
            return;
        }
    }
    // A kind stored elsewhere (a built-in one, or one the library lost) stays
    // as it is unless the user chooses another.
    kind_->addItem(texts_.Format(kOtherKind, {*state.kind}));
    kind_->setItemData(kind_->count() - 1, *state.kind, kKindRole);
    kind_->setItemData(kind_->count() - 1, kOther, kEntryRole);
    kind_->setCurrentIndex(kind_->count() - 1);
}

void CEventsDialog::ShowSelection() {
    const std::optional<std::pair<int, int>> selected = values_.Selection();
    if (!selected)
        selection_->setText(texts_.Text(kNoSelection));
    else if (selected->first == selected->second)
        selection_->setText(DayText(selected->first));
    else
        selection_->setText(DayText(selected->first) + QStringLiteral(" \u2013 ") +
                            DayText(selected->second));
}

void CEventsDialog::OnCalendarClicked() {
    const std::optional<std::pair<int, int>> range = calendar_->Selection();
    if (!range) {
        // Cleared: the days keep what the controls gave them.
        values_.Deselect(ReadControls());
        ShowSelection();
        EnableControls(false);
        calendar_->update();
        return;
    }
    ShowControls(values_.Select(range->first, range->second, ReadControls()));
    ShowSelection();
    EnableControls(true);
    calendar_->update();
}

void CEventsDialog::accept() {
    edit::SetEvents(doc_, values_.Finish(ReadControls()));
    QDialog::accept();
}

}  // namespace kadenzo
