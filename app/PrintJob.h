#pragma once

#include <QRect>

class QPainter;
class QPrinter;

namespace kadenzo {

class CKadenzoDoc;

// What a view prints, page by page, inside the page furniture. The page count
// may grow while printing: pages are asked for in order while HasPage says so.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    // Before the first page (and before a print dialog shows the job).
    virtual void Prepare() = 0;
    virtual bool HasPage(int pageNumber) const = 0;
    // Draws page pageNumber (1-based) into content, what the furniture leaves.
    virtual void PrintPage(QPainter& painter, const QPrinter& printer, int pageNumber,
                           const QRect& content) = 0;
    virtual void End() = 0;
};

// Runs the job on the printer: prepares it, prints every page with the
// furniture of the document's pages, and ends it. False when the printer
// cannot be opened.
bool RunPrintJob(QPrinter& printer, PrintJob& job, const CKadenzoDoc& document);

}  // namespace kadenzo
