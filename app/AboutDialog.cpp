#include "AboutDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "DialogTexts.h"
#include "ProgramVersion.h"
#include "Texts.h"

namespace kadenzo {

QString CAboutDialog::VersionText(const TextService& texts) {
    return FormatText(texts.TextOr(33111, QStringLiteral("Version %u.%u.%u.%u")),
                      {kProgramVersion.major, kProgramVersion.minor, kProgramVersion.release,
                       kProgramVersion.build});
}

CAboutDialog::CAboutDialog(const TextService& texts, QWidget* parent) : QDialog(parent) {
    setWindowTitle(texts.TextOr(dialogtext::kAboutTitle, QStringLiteral("About Kadenzo")));
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/kadenzo/kadenzo.svg")).pixmap(64, 64));
    auto* product =
        new QLabel(texts.TextOr(dialogtext::kAboutProduct, QStringLiteral("Kadenzo")), this);
    QFont bold = product->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    product->setFont(bold);
    auto* version = new QLabel(VersionText(texts), this);
    version->setObjectName(QStringLiteral("version"));
    auto* copyright = new QLabel(texts.TextOr(dialogtext::kAboutCopyright, QString()), this);
    copyright->setWordWrap(true);

    auto* column = new QVBoxLayout;
    column->addWidget(product);
    column->addWidget(version);
    column->addWidget(copyright);
    column->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addLayout(column, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

}  // namespace kadenzo
