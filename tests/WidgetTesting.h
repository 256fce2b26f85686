#pragma once

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ControlId.h"

namespace kadenzo {

// The child control with this number.
template <class T>
T* Find(const QWidget& parent, int id) {
    T* child = parent.findChild<T*>(ControlName(id));
    if (!child) qFatal("no control %d", id);
    return child;
}

// Replaces a field's text as the user would.
inline void Retype(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// Runs `act` on the modal dialog as soon as the code under test shows it.
inline void WhenModal(std::function<void(QDialog&)> act) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        timer->stop();
        timer->deleteLater();
        act(*dialog);
    });
    timer->start();
}

}  // namespace kadenzo
