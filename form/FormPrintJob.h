#pragma once

#include "PrintJob.h"

namespace kadenzo {

class CFormChart;

// The printed form chart: one page, the chart and its legend inside the page
// furniture, drawn by the same routine as on the screen.
class FormPrintJob : public PrintJob {
public:
    explicit FormPrintJob(const CFormChart& chart) : chart_(chart) {}

    void Prepare() override {}
    bool HasPage(int pageNumber) const override { return pageNumber == 1; }
    void PrintPage(QPainter& painter, const QPrinter& printer, int pageNumber,
                   const QRect& content) override;
    void End() override {}

private:
    const CFormChart& chart_;
};

}  // namespace kadenzo
