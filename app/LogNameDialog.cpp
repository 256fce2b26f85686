#include "LogNameDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "DialogTexts.h"
#include "Texts.h"

namespace kadenzo {

CLogNameDialog::CLogNameDialog(const QString& name, const TextService& texts, QWidget* parent)
    : QDialog(parent) {
    using namespace dialogtext;
    setWindowTitle(texts.TextOr(kLogNameTitle, QStringLiteral("Training log name")));
    auto* label =
        new QLabel(texts.TextOr(kLogNameLabel, QStringLiteral("&Name of the training log:")), this);
    edit_ = new QLineEdit(name, this);
    edit_->setObjectName(QStringLiteral("name"));
    edit_->setMinimumWidth(280);
    label->setBuddy(edit_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
}

QString CLogNameDialog::Name() const { return edit_->text(); }

}  // namespace kadenzo
