#pragma once

#include <QDateEdit>

namespace kadenzo {

// A date field that Tab leaves, as it leaves every other field. Qt's own
// walks its day, month and year by Tab first, which holds a keyboard user in
// it and makes Tab and Shift+Tab stop in different places; the arrow keys
// still go from part to part and change them.
class CDateField : public QDateEdit {
public:
    using QDateEdit::QDateEdit;

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

}  // namespace kadenzo
