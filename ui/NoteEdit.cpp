#include "NoteEdit.h"

#include <QMimeData>

namespace kadenzo {

namespace {

bool HoldsNothing(const QMimeData* source) { return !source || source->formats().isEmpty(); }

}  // namespace

NoteEdit::NoteEdit(QWidget* parent) : NoteEdit(QString(), parent) {}

NoteEdit::NoteEdit(const QString& text, QWidget* parent) : QPlainTextEdit(text, parent) {
    setTabChangesFocus(true);
}

bool NoteEdit::canInsertFromMimeData(const QMimeData* source) const {
    return !HoldsNothing(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void NoteEdit::insertFromMimeData(const QMimeData* source) {
    if (HoldsNothing(source)) return;
    QPlainTextEdit::insertFromMimeData(source);
}

}  // namespace kadenzo
