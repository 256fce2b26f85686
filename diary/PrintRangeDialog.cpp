#include "PrintRangeDialog.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DateField.h"
#include "ControlId.h"
#include "CalendarDays.h"
#include "ResourceIds.h"
#include "Texts.h"
#include "WorkoutLabels.h"

namespace kadenzo {
namespace {

// Texts of the dialog; modules that lack them get the English ones.
constexpr std::uint32_t kTitleText = IDS_PRINT_RANGE_TITLE;
constexpr std::uint32_t kFollowText = IDS_PRINT_RANGE_FOLLOW;
constexpr std::uint32_t kFixedText = IDS_PRINT_RANGE_FIXED;
constexpr std::uint32_t kFromText = IDS_PRINT_RANGE_FROM;
constexpr std::uint32_t kToText = IDS_PRINT_RANGE_TO;
constexpr std::uint32_t kLabelsText = IDS_PRINT_RANGE_LABELS;
constexpr std::uint32_t kTargetText = IDS_PRINT_RANGE_TARGET;
constexpr std::uint32_t kAverageText = IDS_PRINT_RANGE_AVERAGE;

// Control numbers of the dialog's fields.
constexpr int kFollowControl = 1001;
constexpr int kFixedControl = 1002;
constexpr int kFirstControl = 1003;
constexpr int kLastControl = 1004;
constexpr int kTargetControl = 1005;
constexpr int kAverageControl = 1006;

// Day number 0 is 1899-12-30.
const QDate kEpoch(1899, 12, 30);

QDate ToQDate(int dayNumber) { return kEpoch.addDays(dayNumber); }
int FromQDate(const QDate& date) { return static_cast<int>(kEpoch.daysTo(date)); }

QDateEdit* MakeDateEdit(int dayNumber, int control, QWidget* parent) {
    auto* edit = new CDateField(ToQDate(dayNumber), parent);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    SetControlId(edit, control);
    return edit;
}

}  // namespace

CPrintRangeDialog::CPrintRangeDialog(const DiaryPrintRange& range, const TextService& texts,
                                     QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(texts.TextOr(kTitleText, QStringLiteral("Print range")));
    SetControlId(this, IDD_PRINT_RANGE);

    auto* rangeBox = new QGroupBox(this);
    followDisplay_ = new QRadioButton(
        texts.TextOr(kFollowText, QStringLiteral("The four weeks on the screen")), rangeBox);
    fixed_ = new QRadioButton(texts.TextOr(kFixedText, QStringLiteral("These days:")), rangeBox);
    SetControlId(followDisplay_, kFollowControl);
    SetControlId(fixed_, kFixedControl);
    first_ = MakeDateEdit(range.firstDay, kFirstControl, rangeBox);
    last_ = MakeDateEdit(range.lastDay, kLastControl, rangeBox);
    auto* dates = new QFormLayout;
    dates->addRow(texts.TextOr(kFromText, QStringLiteral("From")), first_);
    dates->addRow(texts.TextOr(kToText, QStringLiteral("To")), last_);
    auto* rangeLayout = new QVBoxLayout(rangeBox);
    rangeLayout->addWidget(followDisplay_);
    rangeLayout->addWidget(fixed_);
    rangeLayout->addLayout(dates);
    (range.rangeMode == DiaryPrintRange::kFixed ? fixed_ : followDisplay_)->setChecked(true);

    auto* labelBox = new QGroupBox(texts.TextOr(kLabelsText, QStringLiteral("Labels show")), this);
    withTarget_ = new QRadioButton(
        texts.TextOr(kTargetText, QStringLiteral("the target heart-rate range")), labelBox);
    withAverage_ = new QRadioButton(
        texts.TextOr(kAverageText, QStringLiteral("the average heart rate")), labelBox);
    SetControlId(withTarget_, kTargetControl);
    SetControlId(withAverage_, kAverageControl);
    auto* labelLayout = new QVBoxLayout(labelBox);
    labelLayout->addWidget(withTarget_);
    labelLayout->addWidget(withAverage_);
    (range.labelMode == kPrintWithAveragePulse ? withAverage_ : withTarget_)->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(fixed_, &QRadioButton::toggled, this, &CPrintRangeDialog::UpdateEnabled);
    // The last day never lies before the first.
    connect(first_, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (last_->date() < date) last_->setDate(date);
    });
    connect(last_, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (first_->date() > date) first_->setDate(date);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rangeBox);
    layout->addWidget(labelBox);
    layout->addWidget(buttons);
    UpdateEnabled();
}

void CPrintRangeDialog::UpdateEnabled() {
    first_->setEnabled(fixed_->isChecked());
    last_->setEnabled(fixed_->isChecked());
}

DiaryPrintRange CPrintRangeDialog::Range() const {
    DiaryPrintRange range;
    range.rangeMode =
        fixed_->isChecked() ? DiaryPrintRange::kFixed : DiaryPrintRange::kFollowDisplay;
    range.firstDay = FromQDate(first_->date());
    range.lastDay = FromQDate(last_->date());
    range.labelMode = withAverage_->isChecked() ? kPrintWithAveragePulse : kPrintWithTarget;
    return range;
}

}  // namespace kadenzo
