#include "ManualDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <vector>

namespace kadenzo {
namespace {

struct Picture {
    int position;
    int length;
    QTextImageFormat format;
};

std::vector<Picture> Pictures(const QTextDocument& document) {
    std::vector<Picture> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.charFormat().isImageFormat())
                pictures.push_back({fragment.position(), fragment.length(),
                                    fragment.charFormat().toImageFormat()});
        }
    }
    return pictures;
}

void RemovePicture(QTextDocument& document, const Picture& picture) {
    QTextCursor cursor(&document);
    cursor.setPosition(picture.position);
    cursor.setPosition(picture.position + picture.length, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    const QTextBlock block = document.findBlock(picture.position);
    if (!block.text().trimmed().isEmpty() || block.blockFormat().headingLevel() > 0) return;
    // The paragraph held only the picture: joining it to the one before
    // removes it, so no gap is left.
    if (!block.previous().isValid()) return;
    QTextCursor paragraph(block);
    paragraph.deletePreviousChar();
}

// Room around headings and paragraphs, headings in the splash's blue, and
// tables with padded, ruled cells: Markdown alone sets none of it.
void Style(QTextDocument& document) {
    const QColor heading(0x1f, 0x3a, 0x5f);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        QTextCursor cursor(block);
        const int level = format.headingLevel();
        if (level > 0) {
            format.setTopMargin(level == 1 ? 0 : level == 2 ? 18 : 12);
            format.setBottomMargin(level == 1 ? 14 : 6);
            cursor.setBlockFormat(format);
            cursor.select(QTextCursor::BlockUnderCursor);
            QTextCharFormat colour;
            colour.setForeground(heading);
            cursor.mergeCharFormat(colour);
        } else if (!block.textList() && !cursor.currentTable()) {
            format.setBottomMargin(6);
            cursor.setBlockFormat(format);
        }
    }
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table) continue;
        QTextTableFormat format = table->format();
        format.setCellPadding(4);
        format.setCellSpacing(0);
        format.setBorder(1);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(true);
        format.setBorderBrush(QColor(0xb0, 0xb8, 0xc4));
        format.setBottomMargin(8);
        table->setFormat(format);
    }
}

QString FirstHeading(const QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0) return block.text().trimmed();
    }
    return {};
}

}  // namespace

ManualDocument MakeManualDocument(const QString& markdown, const QString& baseDirectory) {
    ManualDocument manual;
    manual.document = std::make_unique<QTextDocument>();
    QTextDocument& document = *manual.document;
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    manual.title = FirstHeading(document);
    Style(document);

    const QDir base(baseDirectory);
    const std::vector<Picture> pictures = Pictures(document);
    // Back to front, so that removing one keeps the positions of the others.
    for (auto picture = pictures.rbegin(); picture != pictures.rend(); ++picture) {
        const QString name = picture->format.name();
        const QString path = QDir::cleanPath(base.absoluteFilePath(name));
        const QSize size = QImageReader(path).size();
        if (QUrl(name).scheme().size() > 1 || !size.isValid() || size.isEmpty()) {
            manual.missing.prepend(name);
            RemovePicture(document, *picture);
            continue;
        }
        QTextImageFormat format = picture->format;
        const qreal width = std::min<qreal>(size.width(), kManualPictureWidth);
        format.setName(QUrl::fromLocalFile(path).toString());
        format.setWidth(width);
        format.setHeight(width * size.height() / size.width());
        QTextCursor cursor(&document);
        cursor.setPosition(picture->position);
        cursor.setPosition(picture->position + picture->length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
    return manual;
}

bool WriteManualPdf(const ManualDocument& manual, const QString& path) {
    QFile::remove(path);
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        writer.setTitle(manual.title);
        writer.setCreator(QStringLiteral("Kadenzo"));
        // Unpaginated, the document breaks itself into pages with 2 cm
        // margins and numbers each page at the foot.
        manual.document->print(&writer);
    }
    return QFileInfo(path).size() > 0;
}

}  // namespace kadenzo
