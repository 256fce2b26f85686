#pragma once

#include <QDialog>

#include "DiaryPrint.h"

class QDateEdit;
class QRadioButton;

namespace kadenzo {

class TextService;

// Dialog 231: whether the printed diary follows the four weeks on the screen
// or a range of the user's own, that range, and which heart-rate figure the
// printed labels carry.
class CPrintRangeDialog : public QDialog {
    Q_OBJECT

public:
    CPrintRangeDialog(const DiaryPrintRange& range, const TextService& texts,
                      QWidget* parent = nullptr);

    // The range as the dialog shows it now.
    DiaryPrintRange Range() const;

private:
    void UpdateEnabled();

    QRadioButton* followDisplay_ = nullptr;
    QRadioButton* fixed_ = nullptr;
    QDateEdit* first_ = nullptr;
    QDateEdit* last_ = nullptr;
    QRadioButton* withTarget_ = nullptr;
    QRadioButton* withAverage_ = nullptr;
};

}  // namespace kadenzo
