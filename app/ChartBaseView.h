#pragma once

#include <functional>
#include <memory>

#include "DocumentObserver.h"
#include "KadenzoBaseView.h"
#include "OnePagePrintJob.h"
#include "SettingsObserver.h"

class QResizeEvent;
class QWheelEvent;

namespace kadenzo {

// The base of the views that show one chart filling the view and page it
// through time (the analysis and the form view): the chart keeps its margin
// on every resize, the wheel pages as the back and forward commands do, the
// print is the chart drawn on one page, and the view hears every change of
// the training data and of the settings from its construction to its end.
class CChartBaseView : public CKadenzoBaseView,
                       public DocumentObserver,
                       public SettingsObserver {
    Q_OBJECT

public:
    explicit CChartBaseView(CKadenzoDoc& document, QWidget* parent = nullptr);
    ~CChartBaseView() override;

    // Runs one of the view's commands; false when it is not the view's.
    virtual bool OnCommand(int command) = 0;

protected:
    // The chart, a child of the view, placed `inset` pixels inside it, and
    // how it is drawn on the printed page (with the routine the screen uses,
    // so that paper and screen agree).
    void SetChart(QWidget* chart, int inset, OnePagePrintJob::Paint print);
    // True while the view exists and is the frame's active one: a view the
    // frame has replaced lives on until the event loop deletes it, and only
    // the active one takes commands.
    std::function<bool()> WhileActive(CMainFrame& frame);

    PrintJob& Job() final;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QWidget* chart_ = nullptr;
    int inset_ = 0;
    std::unique_ptr<OnePagePrintJob> printJob_;
};

}  // namespace kadenzo
