// The note field takes pasted and dropped text, and data without any format
// (what the clipboard hands out when nobody owns it) changes nothing instead
// of ending the program.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

#include "NoteEdit.h"

using kadenzo::NoteEdit;

namespace {

// A drag entering the field's text area and dropped there at once.
void Drop(NoteEdit& field, QMimeData& data) {
    const QPoint at(5, 5);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field.viewport(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field.viewport(), &drop);
}

}  // namespace

class NoteEditTest : public QObject {
    Q_OBJECT

private slots:
    void dataWithoutFormatsChangesNothing() {
        NoteEdit field(QStringLiteral("Easy"), nullptr);
        field.show();
        QApplication::clipboard()->setMimeData(new QMimeData);
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
        QMimeData empty;
        Drop(field, empty);
        QCOMPARE(field.toPlainText(), QStringLiteral("Easy"));
    }

    void textIsPastedAndDropped() {
        NoteEdit field;
        field.show();
        QApplication::clipboard()->setText(QStringLiteral("hills"));
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
        QMimeData text;
        text.setText(QStringLiteral(" fast"));
        Drop(field, text);
        QVERIFY(field.toPlainText().contains(QStringLiteral("hills")));
        QVERIFY(field.toPlainText().contains(QStringLiteral("fast")));
    }
};

QTEST_MAIN(NoteEditTest)
#include "NoteEditTest.moc"
