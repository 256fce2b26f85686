#include "LinkEdit.h"

#include <QAction>
#include <QStyle>

#include "EditorTexts.h"
#include "ShellOpen.h"
#include "Texts.h"

namespace kadenzo {

CLinkEdit::CLinkEdit(const TextService& texts, QWidget* parent, Opener opener)
    : QLineEdit(parent), opener_(opener ? std::move(opener) : Opener(&ShellOpen)) {
    open_ =
        addAction(style()->standardIcon(QStyle::SP_DialogOpenButton), QLineEdit::TrailingPosition);
    open_->setObjectName(QStringLiteral("open"));
    open_->setToolTip(texts.TextOr(editortext::kOpenLink, QStringLiteral("Open")));
    connect(open_, &QAction::triggered, this, &CLinkEdit::OpenTarget);
    connect(this, &QLineEdit::textChanged, this, &CLinkEdit::UpdateOpenAction);
    UpdateOpenAction();
}

void CLinkEdit::SetResolver(std::function<QString(const QString& text)> resolve) {
    resolve_ = std::move(resolve);
    UpdateOpenAction();
}

QString CLinkEdit::Target() const {
    const QString text = this->text().trimmed();
    return resolve_ && !text.isEmpty() ? resolve_(text) : text;
}

bool CLinkEdit::OpenTarget() {
    const QString target = Target();
    if (!IsShellOpenable(target)) return false;
    return opener_(target);
}

void CLinkEdit::UpdateOpenAction() { open_->setEnabled(IsShellOpenable(Target())); }

}  // namespace kadenzo
