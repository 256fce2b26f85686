#include "UnitsDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ControlId.h"
#include "DialogTexts.h"
#include "Texts.h"

namespace kadenzo {
namespace {

QButtonGroup* AddGroup(QWidget* parent, QVBoxLayout* layout, const QString& title, int firstId,
                       const QString& first, const QString& second, std::uint32_t value) {
    auto* box = new QGroupBox(title, parent);
    auto* boxLayout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    const QString texts[] = {first, second};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QRadioButton(texts[i], box);
        SetControlId(button, firstId + i);
        group->addButton(button, i);
        boxLayout->addWidget(button);
    }
    // A stored value other than 0 or 1 shows no choice; it converts as metric.
    if (value <= 1) group->button(static_cast<int>(value))->setChecked(true);
    layout->addWidget(box);
    return group;
}

}  // namespace

CUnitsDialog::CUnitsDialog(const UnitSettings& units, const TextService& texts, QWidget* parent)
    : QDialog(parent) {
    using namespace dialogtext;
    setWindowTitle(texts.TextOr(kUnitsTitle, QStringLiteral("Units")));
    auto* layout = new QVBoxLayout(this);
    distance_ = AddGroup(this, layout, texts.TextOr(kUnitsDistance, QStringLiteral("Distance")),
                         1010, texts.TextOr(kUnitsMetric, QStringLiteral("Kilometres")),
                         texts.TextOr(kUnitsImperial, QStringLiteral("Miles")), units.distance);
    weight_ = AddGroup(this, layout, texts.TextOr(kUnitsWeight, QStringLiteral("Weight")), 1100,
                       texts.TextOr(kUnitsKilograms, QStringLiteral("Kilograms")),
                       texts.TextOr(kUnitsPounds, QStringLiteral("Pounds")), units.weight);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

UnitSettings CUnitsDialog::Units() const {
    UnitSettings units;
    units.distance = distance_->checkedId() == 1 ? 1u : 0u;
    units.weight = weight_->checkedId() == 1 ? 1u : 0u;
    return units;
}

}  // namespace kadenzo
