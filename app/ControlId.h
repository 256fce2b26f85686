#pragma once

#include <QObject>
#include <QString>

namespace kadenzo {

// Controls keep their historical numbers as object names, so code and tests
// find them by number (findChild<QLineEdit*>(ControlName(1006))).
inline QString ControlName(int id) { return QString::number(id); }
inline void SetControlId(QObject* control, int id) { control->setObjectName(ControlName(id)); }

}  // namespace kadenzo
