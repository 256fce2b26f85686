#include "StatusMessage.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMainWindow>
#include <QStatusBar>
#include <QWidget>

namespace kadenzo {
namespace {

const QString kNoticeName = QStringLiteral("kadenzoStatusNotice");
// Long enough to read; the frame shows its idle text again afterwards.
constexpr int kShownMs = 8000;

// Screen readers speak an alert as it shows up, wherever the focus is (Qt's
// bridge gives its notification role no role of the desktop's).
QAccessibleInterface* NoticeInterface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || widget->objectName() != kNoticeName) return nullptr;
    return new QAccessibleWidget(widget, QAccessible::AlertMessage);
}

// The window's notice: a widget of one pixel that paints nothing, made on
// the first message.
QWidget* NoticeOf(QWidget* window) {
    if (auto* notice = window->findChild<QWidget*>(kNoticeName, Qt::FindDirectChildrenOnly))
        return notice;
    static const bool installed = [] {
        QAccessible::installFactory(NoticeInterface);
        return true;
    }();
    (void)installed;
    auto* notice = new QWidget(window);
    notice->setObjectName(kNoticeName);
    notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    notice->setFocusPolicy(Qt::NoFocus);
    notice->setGeometry(0, 0, 1, 1);
    notice->hide();
    return notice;
}

}  // namespace

void ShowStatusMessage(QWidget* source, const QString& text) {
    if (!source || text.isEmpty()) return;
    QWidget* window = source->window();
    if (auto* main = qobject_cast<QMainWindow*>(window))
        main->statusBar()->showMessage(text, kShownMs);
    QWidget* notice = NoticeOf(window);
    // Shown anew for each message, so that the same text twice is heard twice.
    notice->hide();
    notice->setAccessibleName(text);
    notice->show();
}

}  // namespace kadenzo
