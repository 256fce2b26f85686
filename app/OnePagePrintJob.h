#pragma once

#include <functional>
#include <utility>

#include "PrintJob.h"

namespace kadenzo {

// A print of one page: `paint` draws into what the page furniture leaves,
// with the routine the view draws on the screen with, so that paper and
// screen agree.
class OnePagePrintJob : public PrintJob {
public:
    using Paint = std::function<void(QPainter& painter, const QRect& content)>;

    explicit OnePagePrintJob(Paint paint) : paint_(std::move(paint)) {}

    void Prepare() override {}
    bool HasPage(int pageNumber) const override { return pageNumber == 1; }
    void PrintPage(QPainter& painter, const QPrinter&, int, const QRect& content) override {
        paint_(painter, content);
    }
    void End() override {}

private:
    Paint paint_;
};

}  // namespace kadenzo
