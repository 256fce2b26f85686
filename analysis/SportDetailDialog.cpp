#include "SportDetailDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "AnalysisTexts.h"
#include "CoreText.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "ResourceIds.h"
#include "StatisticsList.h"
#include "Texts.h"

namespace kadenzo {

using namespace analysistext;

namespace {

constexpr int kDetailMinimumWidth = 524;
constexpr int kDetailMinimumHeight = 200;

}  // namespace

CSportDetailDialog::CSportDetailDialog(CKadenzoDoc& document, const UnitSettings& units,
                                       SortState& sort, int fromDay, int toDay,
                                       std::uint32_t sportId, QWidget* parent)
    : QDialog(parent),
      document_(document),
      texts_(document.Context()),
      fromDay_(fromDay),
      toDay_(toDay),
      sportId_(sportId) {
    setWindowTitle(
        texts_.Format(IDS_DETAIL_TITLE, {FromBytes(document.Library().GetSportName(sportId))}));
    setSizeGripEnabled(true);
    setMinimumSize(kDetailMinimumWidth, kDetailMinimumHeight);

    breakdown_ = new QButtonGroup(this);
    auto* buttons = new QHBoxLayout;
    const std::pair<std::uint32_t, const char*> labels[] = {{kDetailByCategory, "By &category"},
                                                            {kDetailBySubSport, "By &sub-sport"},
                                                            {kDetailByTemplate, "By &workout"}};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(
            texts_.TextOr(labels[i].first, QString::fromUtf8(labels[i].second)), this);
        button->setObjectName(QString::number(IDC_DETAIL_BY_CATEGORY + i));
        breakdown_->addButton(button, i);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    breakdown_->button(0)->setChecked(true);
    list_ = new CStatisticsList(sort, units, texts_, this);
    list_->setMinimumHeight(40);

    auto* layout = new QVBoxLayout(this);
    const int margin = layout->contentsMargins().left();
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addLayout(buttons);
    layout->addWidget(list_, 1);
    // Qt's own button, so the module's Qt translations name it.
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(close);
    connect(breakdown_, &QButtonGroup::idClicked, this, &CSportDetailDialog::Recompute);
    Recompute();
    resize(FittingWidth(*this, 600, list_->ComfortableWidth() + 2 * margin), 320);
}

DetailBreakdown CSportDetailDialog::Breakdown() const {
    const int id = breakdown_->checkedId();
    return id == 1   ? DetailBreakdown::SubSport
           : id == 2 ? DetailBreakdown::Template
                     : DetailBreakdown::Category;
}

void CSportDetailDialog::SetBreakdown(DetailBreakdown breakdown) {
    breakdown_->button(static_cast<int>(breakdown))->setChecked(true);
    Recompute();
}

void CSportDetailDialog::Recompute() {
    const DetailBreakdown breakdown = Breakdown();
    const int heading = breakdown == DetailBreakdown::Category   ? IDS_COL_CATEGORY
                        : breakdown == DetailBreakdown::SubSport ? IDS_COL_SUBSPORT
                                                                 : IDS_COL_TEMPLATE;
    list_->SetColumns(texts_.Text(heading), texts_.Text(IDS_COL_AVERAGE_SPEED));
    list_->SetRows(ComputeSportDetail(document_.Log(), document_.Library(), fromDay_, toDay_,
                                      sportId_, breakdown));
}

}  // namespace kadenzo
