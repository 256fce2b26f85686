// The manual's Markdown made printable: pictures narrowed to the page or left
// out when missing, and the PDF written.
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "ManualDocument.h"

using namespace kadenzo;

namespace {

struct Shown {
    QString name;
    qreal width;
    qreal height;
};

std::vector<Shown> PicturesOf(const QTextDocument& document) {
    std::vector<Shown> shown;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat()) continue;
            const QTextImageFormat image = format.toImageFormat();
            shown.push_back({image.name(), image.width(), image.height()});
        }
    }
    return shown;
}

}  // namespace

class ManualDocumentTest : public QObject {
    Q_OBJECT

private slots:
    void picturesFitThePageOrAreLeftOut() {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("images"));
        QImage wide(1240, 600, QImage::Format_RGB32);
        wide.fill(Qt::blue);
        QVERIFY(wide.save(dir.filePath("images/wide.png")));
        QVERIFY(wide.scaled(100, 50).save(dir.filePath("images/small.png")));
        const QString markdown =
            "# Kadenzo manual\n\nFirst.\n\n![Diary](images/wide.png)\n\n"
            "![Missing](images/missing.png)\n\n"
            "Text with ![inline](images/gone.png) picture.\n\n"
            "![Web](https://example.org/x.png)\n\n"
            "![Small](images/small.png)\n\nLast.\n";

        const ManualDocument manual = MakeManualDocument(markdown, dir.path());
        QCOMPARE(manual.title, QString("Kadenzo manual"));
        QCOMPARE(manual.missing, (QStringList{"images/missing.png", "images/gone.png",
                                              "https://example.org/x.png"}));
        const std::vector<Shown> shown = PicturesOf(*manual.document);
        QCOMPARE(shown.size(), std::size_t(2));
        QCOMPARE(shown[0].name, QUrl::fromLocalFile(dir.filePath("images/wide.png")).toString());
        QCOMPARE(shown[0].width, kManualPictureWidth);
        QCOMPARE(shown[0].height, kManualPictureWidth * 600 / 1240);
        QCOMPARE(shown[1].width, 100.0);
        QCOMPARE(shown[1].height, 50.0);
        // Text around a left-out picture stays; its own paragraph goes.
        QStringList paragraphs;
        for (QTextBlock block = manual.document->begin(); block.isValid(); block = block.next())
            paragraphs << block.text().remove(QChar::ObjectReplacementCharacter).trimmed();
        QCOMPARE(paragraphs.filter(QRegularExpression("^$")).size(), 2);  // the two shown
        QVERIFY(paragraphs.contains("Text with  picture."));
    }

    void pdfHasA4PagesAndReportsFailure() {
        QTemporaryDir dir;
        QString markdown = "# Manual\n\n";
        for (int i = 0; i < 150; ++i) markdown += QString("Paragraph %1 of the manual.\n\n").arg(i);
        const ManualDocument manual = MakeManualDocument(markdown, dir.path());
        const QString pdf = dir.filePath("manual.pdf");
        QVERIFY(WriteManualPdf(manual, pdf));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY2(bytes.count("/Type /Page\n") >= 3, bytes.left(300).constData());
        QVERIFY(bytes.contains("/MediaBox [0 0 595"));  // A4 in points
        QVERIFY(!WriteManualPdf(manual, dir.filePath("no/such/folder/manual.pdf")));
    }
};

QTEST_MAIN(ManualDocumentTest)
#include "ManualDocumentTest.moc"
