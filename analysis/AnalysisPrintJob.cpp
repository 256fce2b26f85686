#include "AnalysisPrintJob.h"

#include "AnalysisChart.h"

namespace kadenzo {

void AnalysisPrintJob::PrintPage(QPainter& painter, const QPrinter&, int, const QRect& content) {
    chart_.Draw(painter, content, true);
}

}  // namespace kadenzo
