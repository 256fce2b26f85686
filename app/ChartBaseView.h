#pragma once

#include <functional>

#include "KadenzoBaseView.h"

class QResizeEvent;
class QWheelEvent;

namespace kadenzo {

// The base of the views that show one chart filling the view and page it
// through time (the analysis and the form view): the chart keeps its margin
// on every resize, and the wheel pages as the back and forward commands do.
class CChartBaseView : public CKadenzoBaseView {
    Q_OBJECT

public:
    using CKadenzoBaseView::CKadenzoBaseView;

    // Runs one of the view's commands; false when it is not the view's.
    virtual bool OnCommand(int command) = 0;

protected:
    // The chart, a child of the view, placed `inset` pixels inside it.
    void SetChart(QWidget* chart, int inset);
    // True while the view exists and is the frame's active one: a view the
    // frame has replaced lives on until the event loop deletes it, and only
    // the active one takes commands.
    std::function<bool()> WhileActive(CMainFrame& frame);

    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QWidget* chart_ = nullptr;
    int inset_ = 0;
};

}  // namespace kadenzo
