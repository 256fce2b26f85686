#pragma once

#include "PrintJob.h"

namespace kadenzo {

class CAnalysisChart;

// The printed analysis: one page, the chart inside the page furniture, drawn
// by the same routine as on the screen.
class AnalysisPrintJob : public PrintJob {
public:
    explicit AnalysisPrintJob(const CAnalysisChart& chart) : chart_(chart) {}

    void Prepare() override {}
    bool HasPage(int pageNumber) const override { return pageNumber == 1; }
    void PrintPage(QPainter& painter, const QPrinter& printer, int pageNumber,
                   const QRect& content) override;
    void End() override {}

private:
    const CAnalysisChart& chart_;
};

}  // namespace kadenzo
