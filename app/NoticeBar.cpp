#include "NoticeBar.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "ControlId.h"
#include "ResourceIds.h"

namespace kadenzo {

CNoticeBar::CNoticeBar(const QString& name, QWidget* parent) : QToolBar(name, parent) {
    SetControlId(this, IDC_NOTICE_BAR);
    setAccessibleName(name);
    setMovable(false);
    setFloatable(false);
    // Not among the bars the user shows and hides: it comes and goes with its news.
    toggleViewAction()->setVisible(false);

    panel_ = new QWidget(this);
    auto* layout = new QHBoxLayout(panel_);
    layout->setContentsMargins(4, 2, 4, 2);
    text_ = new QLabel(panel_);
    SetControlId(text_, IDC_NOTICE_TEXT);
    text_->setTextFormat(Qt::PlainText);
    // A long text takes more lines rather than pushing the buttons out of the bar.
    text_->setWordWrap(true);
    text_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(text_, 1);
    buttons_ = new QHBoxLayout;
    layout->addLayout(buttons_);
    panel_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Set apart from the tool bar above it, in the colours of a tool tip.
    QPalette colours = panel_->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    panel_->setPalette(colours);
    panel_->setAutoFillBackground(true);
    addWidget(panel_);
    hide();
}

QString CNoticeBar::Text() const { return text_->text(); }

void CNoticeBar::Show(const QString& text, const std::vector<Button>& buttons) {
    // A button may be the one whose click brought this call: it goes later.
    while (QLayoutItem* item = buttons_->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
    if (text.isEmpty()) {
        text_->clear();
        hide();
        return;
    }
    const bool news = text != text_->text() || isHidden();
    text_->setText(text);
    text_->setToolTip(text);
    text_->setAccessibleName(text);
    for (const Button& button : buttons) {
        auto* push = new QPushButton(button.text, this);
        push->setAutoDefault(false);
        connect(push, &QPushButton::clicked, this, button.run);
        buttons_->addWidget(push);
    }
    show();
    FitHeight();
    if (news) {
        // Screen readers announce it, as they would a message box.
        QAccessibleEvent event(text_, QAccessible::Alert);
        QAccessible::updateAccessibility(&event);
    }
}

void CNoticeBar::resizeEvent(QResizeEvent* event) {
    QToolBar::resizeEvent(event);
    FitHeight();
}

void CNoticeBar::FitHeight() {
    buttons_->invalidate();
    const QMargins margins = panel_->layout()->contentsMargins();
    const int spacing = panel_->layout()->spacing();
    const int textWidth = contentsRect().width() - buttons_->sizeHint().width() - margins.left() -
                          margins.right() - spacing - 2 * layout()->contentsMargins().left() - 8;
    const int height =
        std::max(text_->heightForWidth(std::max(textWidth, 1)), buttons_->sizeHint().height()) +
        margins.top() + margins.bottom();
    if (panel_->height() != height || panel_->minimumHeight() != height)
        panel_->setFixedHeight(height);
}

}  // namespace kadenzo
