#pragma once

#include <QDialog>

#include "Units.h"

class QButtonGroup;

namespace kadenzo {

class TextService;

// Chooses the distance unit (radio group 1010: kilometres, miles) and the
// weight unit (group 1100: kilograms, pounds); the first button means 0.
class CUnitsDialog : public QDialog {
    Q_OBJECT
public:
    CUnitsDialog(const UnitSettings& units, const TextService& texts, QWidget* parent = nullptr);
    UnitSettings Units() const;

private:
    QButtonGroup* distance_;
    QButtonGroup* weight_;
};

}  // namespace kadenzo
