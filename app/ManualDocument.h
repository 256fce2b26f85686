#pragma once

#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <memory>

namespace kadenzo {

// The user manual made from its Markdown source, ready to print.
struct ManualDocument {
    std::unique_ptr<QTextDocument> document;
    QString title;        // the first heading
    QStringList missing;  // pictures the text names but the folder lacks
};

// Widest picture on an A4 page between 2 cm margins, in the document's
// 96-dpi units.
inline constexpr qreal kManualPictureWidth = 620;

// Reads markdown (GitHub dialect). Pictures are looked up relative to
// baseDirectory, narrowed to the page and kept in proportion; a picture that
// is missing or unreadable is left out, with its paragraph when that is all
// it held, so the manual builds before its screenshots are made.
ManualDocument MakeManualDocument(const QString& markdown, const QString& baseDirectory);

// Prints the manual to an A4 PDF with a page number under every page.
// False when the file cannot be written.
bool WriteManualPdf(const ManualDocument& manual, const QString& path);

}  // namespace kadenzo
