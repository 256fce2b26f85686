#include "ChartBaseView.h"

#include <QPointer>
#include <QResizeEvent>
#include <QWheelEvent>
#include <utility>

#include "KadenzoDoc.h"
#include "MainFrame.h"
#include "WheelPaging.h"

namespace kadenzo {

CChartBaseView::CChartBaseView(CKadenzoDoc& document, QWidget* parent)
    : CKadenzoBaseView(document, parent) {
    // No change is told while a view is being built, so the derived view's
    // handlers are whole by the first one.
    Document().AddObserver(this);
    Document().Context().settings.AddObserver(this);
}

CChartBaseView::~CChartBaseView() {
    Document().Context().settings.RemoveObserver(this);
    Document().RemoveObserver(this);
}

void CChartBaseView::SetChart(QWidget* chart, int inset, OnePagePrintJob::Paint print) {
    chart_ = chart;
    inset_ = inset;
    printJob_ = std::make_unique<OnePagePrintJob>(std::move(print));
}

PrintJob& CChartBaseView::Job() { return *printJob_; }

std::function<bool()> CChartBaseView::WhileActive(CMainFrame& frame) {
    QPointer<CChartBaseView> self(this);
    QPointer<CMainFrame> frameRef(&frame);
    return [self, frameRef] { return self && frameRef && frameRef->ActiveView() == self; };
}

void CChartBaseView::resizeEvent(QResizeEvent* event) {
    CKadenzoBaseView::resizeEvent(event);
    if (chart_) chart_->setGeometry(rect().adjusted(inset_, inset_, -inset_, -inset_));
}

void CChartBaseView::wheelEvent(QWheelEvent* event) {
    if (const int command = WheelCommand(event->angleDelta().y())) OnCommand(command);
    CKadenzoBaseView::wheelEvent(event);
}

}  // namespace kadenzo
