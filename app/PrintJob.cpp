#include "PrintJob.h"

#include <QPainter>
#include <QPrinter>

#include "PageFurniture.h"

namespace kadenzo {

bool RunPrintJob(QPrinter& printer, PrintJob& job, const CKadenzoDoc& document) {
    job.Prepare();
    QPainter painter;
    if (!painter.begin(&printer)) {
        job.End();
        return false;
    }
    for (int page = 1; job.HasPage(page); ++page) {
        if (page > 1) printer.newPage();
        const QRect content = PrintPageFurniture(painter, printer, page, document);
        painter.save();
        job.PrintPage(painter, printer, page, content);
        painter.restore();
    }
    painter.end();
    job.End();
    return true;
}

}  // namespace kadenzo
