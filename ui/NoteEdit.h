#pragma once

#include <QPlainTextEdit>

class QMimeData;

namespace kadenzo {

// The multi-line text field of every note and comment. Tab leaves it, as in
// the other fields of a dialog, and it refuses pasted or dropped data that
// holds no format at all: Qt 6.4 (Debian 12 ships 6.4.2) reads the first
// format of that empty list and ends the program. The clipboard hands out
// such data whenever nobody owns it, as after logging in or after the program
// that copied has quit.
class NoteEdit : public QPlainTextEdit {
public:
    explicit NoteEdit(QWidget* parent = nullptr);
    NoteEdit(const QString& text, QWidget* parent);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace kadenzo
