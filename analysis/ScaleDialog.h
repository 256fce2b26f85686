#pragma once

#include <QDialog>

#include "ScaleValues.h"
#include "Texts.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace kadenzo {

// The chart's scale (template 237): automatic scaling (1020), the number of
// divisions (1082, 0 to 50), a text (1070) and the value of one division
// (1080). OK with a field that does not read stays open with a hint.
class CScaleDialog : public QDialog {
    Q_OBJECT

public:
    CScaleDialog(const ScaleValues& values, const TextService& texts, QWidget* parent = nullptr);
    // The values as last accepted; the given ones until OK succeeds.
    ScaleValues Values() const { return values_; }

    void accept() override;

private:
    void UpdateEnabled();

    ScaleValues values_;
    TextService texts_;
    QCheckBox* automatic_;
    QLineEdit* divisions_;
    QLineEdit* text_;
    QLineEdit* step_;
    QLabel* hint_;
};

}  // namespace kadenzo
