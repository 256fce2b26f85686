#include "SportStatisticsDialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "DateField.h"
#include "AnalysisTexts.h"
#include "KadenzoDoc.h"
#include "ResourceIds.h"
#include "SportDetailDialog.h"
#include "StatisticsDates.h"
#include "StatisticsList.h"
#include "Texts.h"

namespace kadenzo {

using namespace analysistext;

namespace {

constexpr int kStatisticsMinimumWidth = 557;
constexpr int kStatisticsMinimumHeight = 150;

QDateEdit* MakeDateEdit(int id, int day, QWidget* parent) {
    auto* edit = new CDateField(DateOfDay(day), parent);
    edit->setObjectName(QString::number(id));
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return edit;
}

}  // namespace

CSportStatisticsDialog::CSportStatisticsDialog(CKadenzoDoc& document, const UnitSettings& units,
                                               StatisticsSortStates& sorts, int today,
                                               QWidget* parent)
    : QDialog(parent),
      document_(document),
      texts_(document.Context()),
      units_(units),
      sorts_(sorts) {
    setWindowTitle(texts_.TextOr(kStatisticsTitle, QStringLiteral("Sport Statistics")));
    setSizeGripEnabled(true);
    setMinimumSize(kStatisticsMinimumWidth, kStatisticsMinimumHeight);
    from_ = MakeDateEdit(IDC_STATS_FROM, today, this);
    to_ = MakeDateEdit(IDC_STATS_TO, today, this);
    summary_ = new QLabel(this);
    summary_->setObjectName(QString::number(IDC_STATS_SUMMARY));
    list_ = new CStatisticsList(sorts_.statistics, units_, texts_, this);
    list_->setMinimumHeight(40);
    list_->setAccessibleName(windowTitle());
    list_->SetColumns(texts_.Text(IDS_COL_SPORT), texts_.Text(IDS_COL_SPEED));

    auto* dates = new QGridLayout;
    auto* fromLabel = new QLabel(texts_.TextOr(kStatisticsFrom, QStringLiteral("&From:")), this);
    fromLabel->setBuddy(from_);
    auto* toLabel = new QLabel(texts_.TextOr(kStatisticsTo, QStringLiteral("&To:")), this);
    toLabel->setBuddy(to_);
    dates->addWidget(fromLabel, 0, 0);
    dates->addWidget(from_, 0, 1);
    dates->addWidget(toLabel, 0, 2);
    dates->addWidget(to_, 0, 3);
    dates->addWidget(summary_, 0, 4);
    dates->setColumnStretch(4, 1);
    dates->setColumnMinimumWidth(4, 12);

    // The list keeps the same margin to the right and below as to the left.
    auto* layout = new QVBoxLayout(this);
    const int margin = layout->contentsMargins().left();
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addLayout(dates);
    layout->addWidget(list_, 1);
    // Qt's own button, so the module's Qt translations name it.
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(close);

    connect(from_, &QDateEdit::dateChanged, this, &CSportStatisticsDialog::Recompute);
    connect(to_, &QDateEdit::dateChanged, this, &CSportStatisticsDialog::Recompute);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (const StatisticsRow* row = list_->SelectedRow()) OpenDetail(*row);
    });
    resize(FittingWidth(*this, 640, list_->ComfortableWidth() + 2 * margin), 360);
    Recompute();
}

void CSportStatisticsDialog::SetRange(int fromDay, int toDay) {
    const QSignalBlocker blockFrom(from_);
    const QSignalBlocker blockTo(to_);
    from_->setDate(DateOfDay(fromDay));
    to_->setDate(DateOfDay(toDay));
    Recompute();
}

QString CSportStatisticsDialog::SummaryText() const { return summary_->text(); }

void CSportStatisticsDialog::Recompute() {
    const SportStatistics stats = ComputeSportStatistics(
        document_.Log(), document_.Library(), DayOfDate(from_->date()), DayOfDate(to_->date()));
    list_->SetRows(stats.rows);
    const std::optional<double> perWeek = stats.HoursPerWeek();
    summary_->setText(perWeek ? texts_.Format(IDS_STATS_SUMMARY, {stats.TotalHours(), *perWeek})
                              : texts_.Format(IDS_STATS_SUMMARY_ONE_DAY, {stats.TotalHours()}));
}

void CSportStatisticsDialog::OpenDetail(const StatisticsRow& row) {
    CSportDetailDialog detail(document_, units_, sorts_.detail, DayOfDate(from_->date()),
                              DayOfDate(to_->date()), row.sportId, this);
    detail.exec();
}

}  // namespace kadenzo
