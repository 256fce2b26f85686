#include "ScaleDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "AnalysisTexts.h"
#include "CoreText.h"
#include "ResourceIds.h"
#include "Texts.h"

namespace kadenzo {

using namespace analysistext;

CScaleDialog::CScaleDialog(const ScaleValues& values, const TextService& texts, QWidget* parent)
    : QDialog(parent), values_(values), texts_(texts) {
    setWindowTitle(texts_.TextOr(kScaleTitle, QStringLiteral("Scale")));
    automatic_ =
        new QCheckBox(texts_.TextOr(kScaleAutomatic, QStringLiteral("&Automatic scale")), this);
    automatic_->setObjectName(QString::number(IDC_SCALE_AUTO));
    automatic_->setChecked(values.automatic);
    divisions_ = new QLineEdit(QString::number(values.divisions), this);
    divisions_->setObjectName(QString::number(IDC_SCALE_DIVISIONS));
    text_ = new QLineEdit(FromBytes(values.text), this);
    text_->setObjectName(QString::number(IDC_SCALE_TEXT));
    step_ = new QLineEdit(QString::fromStdString(FormatStep(values.step)), this);
    step_->setObjectName(QString::number(IDC_SCALE_STEP));
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("hint"));
    hint_->setStyleSheet(QStringLiteral("color: #b00000"));
    hint_->setWordWrap(true);
    hint_->hide();

    auto* form = new QFormLayout;
    form->addRow(texts_.TextOr(kScaleDivisions, QStringLiteral("&Number of divisions:")),
                 divisions_);
    form->addRow(texts_.TextOr(kScaleStep, QStringLiteral("&Value of one division:")), step_);
    form->addRow(texts_.TextOr(kScaleText, QStringLiteral("&Label:")), text_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CScaleDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(automatic_, &QCheckBox::toggled, this, &CScaleDialog::UpdateEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(automatic_);
    layout->addLayout(form);
    layout->addWidget(hint_);
    layout->addWidget(buttons);
    UpdateEnabled();
}

void CScaleDialog::UpdateEnabled() {
    // An automatic scale works out divisions and step itself.
    divisions_->setEnabled(!automatic_->isChecked());
    step_->setEnabled(!automatic_->isChecked());
}

void CScaleDialog::accept() {
    ScaleValues read = values_;
    read.automatic = automatic_->isChecked();
    read.text = ToBytes(text_->text());
    const std::optional<int> divisions = ParseDivisions(divisions_->text().toStdString());
    const std::optional<double> step = ParseStep(step_->text().toStdString());
    if (!divisions || !step) {
        QLineEdit* wrong = divisions ? step_ : divisions_;
        hint_->setText(
            divisions ? texts_.TextOr(kScaleBadStep,
                                      QStringLiteral("Please enter a number of 0 or more."))
                      : texts_.TextOr(kScaleBadDivisions,
                                      QStringLiteral("Please enter a whole number from 0 to 50.")));
        hint_->show();
        wrong->setEnabled(true);
        wrong->setFocus();
        wrong->selectAll();
        return;
    }
    read.divisions = *divisions;
    read.step = *step;
    values_ = read;
    QDialog::accept();
}

}  // namespace kadenzo
