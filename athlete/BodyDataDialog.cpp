#include "BodyDataDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "CoreText.h"
#include "DateTime.h"
#include "DocumentEdits.h"
#include "FieldRefusal.h"
#include "Formats.h"
#include "KadenzoDoc.h"
#include "NoteEdit.h"
#include "ResourceIds.h"
#include "BodyDataTexts.h"

namespace kadenzo {
namespace {

constexpr std::uint32_t kWeightLabel = 33108;  // %s: the weight unit

// The label's one "%s" replaced by the unit ("%%" is a percent sign); a text
// with any other placeholder is shown as it is.
QString WithUnit(QString label, const QString& unit) {
    const qsizetype at = label.indexOf(QStringLiteral("%s"));
    if (at < 0) return label;
    return label.left(at).replace(QStringLiteral("%%"), QStringLiteral("%")) + unit +
           label.mid(at + 2).replace(QStringLiteral("%%"), QStringLiteral("%"));
}

QLineEdit* NumberField(const std::string& text, int id, QWidget* parent) {
    auto* field = new QLineEdit(FromBytes(text), parent);
    field->setObjectName(QString::number(id));
    field->setMaxLength(64);
    return field;
}

}  // namespace

CBodyDataDialog::CBodyDataDialog(const CBodyInfo& info, const UnitSettings& units,
                           const StringTable& texts, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), values_(info, units), texts_(texts), dialogs_(dialogs) {
    using namespace bodydatatext;
    QString title = TableText(texts_, kBodyDataTitle, "Body Data");
    if (info.date.IsValid()) {
        if (const std::optional<DateParts> day = PartsFromDateTime(info.date.value))
            title += QStringLiteral(" \u2013 ") + QString::fromStdString(FormatDate(*day));
    }
    setWindowTitle(title);

    weight_ = NumberField(values_.weight, IDC_BODY_WEIGHT, this);
    value2_ = NumberField(values_.value2, IDC_BODY_VALUE2, this);
    value3_ = NumberField(values_.value3, IDC_BODY_VALUE3, this);
    note_ = new NoteEdit(FromBytes(values_.note), this);
    note_->setObjectName(QString::number(IDC_BODY_NOTE));
    note_->setFixedHeight(note_->fontMetrics().lineSpacing() * 4 + 2 * note_->frameWidth() + 8);

    auto* weightLabel = new QLabel(WithUnit(TableText(texts_, kWeightLabel, "&Weight (%s):"),
                                            FromBytes(UnitLabel(kUnitWeight, units, texts_))),
                                   this);
    weightLabel->setObjectName(QString::number(IDC_BODY_WEIGHT_LABEL));
    weightLabel->setBuddy(weight_);

    auto* form = new QFormLayout;
    form->addRow(weightLabel, weight_);
    form->addRow(TableText(texts_, kBodyValue2, "Body &fat in per cent:"), value2_);
    form->addRow(TableText(texts_, kBodyValue3, "&Resting heart rate (bpm):"), value3_);
    form->addRow(TableText(texts_, kBodyNote, "&Note:"), note_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CBodyDataDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    weight_->setFocus();
}

void CBodyDataDialog::accept() {
    // A decimal comma shows as the point it is read as.
    for (QLineEdit* field : {weight_, value2_})
        field->setText(FromBytes(NormaliseDecimalComma(ToBytes(field->text()))));
    values_.weight = ToBytes(weight_->text());
    values_.value2 = ToBytes(value2_->text());
    values_.value3 = ToBytes(value3_->text());
    values_.note = ToBytes(note_->toPlainText());
    const BodyDataValues::Field bad = values_.Read();
    if (bad == BodyDataValues::Field::kNone) {
        QDialog::accept();
        return;
    }
    QLineEdit* field = bad == BodyDataValues::Field::kWeight   ? weight_
                       : bad == BodyDataValues::Field::kValue2 ? value2_
                                                               : value3_;
    RefuseField({field, BodyDataValues::Range(bad)}, texts_, dialogs_);
}

bool EditBodyData(CKadenzoDoc& doc, int dayNumber, UserDialogs& dialogs, QWidget* parent) {
    const CalendarDateTime day{CalendarDateTime::kValid, NoonOfDayNumber(dayNumber)};
    const CBodyInfo* stored = doc.Log().FindBodyInfo(day);
    CBodyDataDialog dialog(stored ? *stored : CBodyInfo(day), doc.Context().units,
                        doc.Context().Texts(), dialogs, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    return edit::SetBodyInfo(doc, dialog.Record());
}

}  // namespace kadenzo
