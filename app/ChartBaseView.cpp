#include "ChartBaseView.h"

#include <QPointer>
#include <QResizeEvent>
#include <QWheelEvent>

#include "MainFrame.h"
#include "WheelPaging.h"

namespace kadenzo {

void CChartBaseView::SetChart(QWidget* chart, int inset) {
    chart_ = chart;
    inset_ = inset;
}

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
