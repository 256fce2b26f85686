#include "DeviceNotice.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "ControlId.h"
#include "DeviceTexts.h"
#include "ResourceIds.h"

namespace kadenzo {

CDeviceNotice::CDeviceNotice(const TextService& texts, QWidget* parent)
    : QWidget(parent), texts_(texts) {
    using namespace devicetext;
    SetControlId(this, IDC_DEVICE_NOTICE);
    setAccessibleName(texts_.Text(kNotice));
    text_ = new QLabel(this);
    SetControlId(text_, IDC_DEVICE_NOTICE_TEXT);
    auto* import = new QPushButton(texts_.Text(kNoticeImport), this);
    SetControlId(import, IDC_DEVICE_NOTICE_IMPORT);
    auto* dismiss = new QPushButton(texts_.Text(kNoticeDismiss), this);
    SetControlId(dismiss, IDC_DEVICE_NOTICE_DISMISS);
    connect(import, &QPushButton::clicked, this, [this] { emit importRequested(folder_); });
    connect(dismiss, &QPushButton::clicked, this, &CDeviceNotice::dismissed);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 2);
    layout->addWidget(text_, 1);
    layout->addWidget(import);
    layout->addWidget(dismiss);
}

void CDeviceNotice::Tell(const QString& folder, qint64 count) {
    folder_ = folder;
    text_->setText(texts_.Format(count == 1 ? devicetext::kNoticeOne : devicetext::kNoticeMany,
                                 {count, QDir::toNativeSeparators(folder)}));
}

}  // namespace kadenzo
