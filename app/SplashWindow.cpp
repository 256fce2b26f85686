#include "SplashWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QTimer>

namespace kadenzo {

CSplashWindow::CSplashWindow(const QImage& picture, int minimumMs)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(picture) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(picture_.isNull() ? QSize(400, 250) : picture_.size());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (minimumMs <= 0) {
        elapsed_ = true;
    } else {
        QTimer::singleShot(minimumMs, this, [this] { elapsed_ = true; });
    }
}

void CSplashWindow::WaitUntilElapsed() {
    while (!elapsed_) {
        QThread::msleep(50);
        QGuiApplication::processEvents();
    }
}

void CSplashWindow::SetStatusText(const QString& text) {
    status_ = text;
    repaint();  // start-up is busy on this thread; an update would wait
}

void CSplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), Qt::white);
    } else {
        painter.drawImage(rect(), picture_);
    }
    if (!status_.isEmpty()) {
        painter.setPen(Qt::darkGray);
        painter.drawText(rect().adjusted(8, 0, -8, -4), Qt::AlignBottom | Qt::AlignLeft, status_);
    }
}

}  // namespace kadenzo
