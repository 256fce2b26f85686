#include "FormPrintJob.h"

#include "FormChart.h"

namespace kadenzo {

void FormPrintJob::PrintPage(QPainter& painter, const QPrinter&, int, const QRect& content) {
    chart_.Draw(painter, content, true);
}

}  // namespace kadenzo
