#pragma once

#include <QPointer>
#include <memory>

#include "DocumentObserver.h"
#include "FormLayout.h"
#include "FormRange.h"
#include "FormSeries.h"
#include "ChartBaseView.h"
#include "SettingsObserver.h"

namespace kadenzo {

class CFormChart;
class CMainFrame;

// Training load and form: fitness, fatigue and form over a range of days
// around today, the plan after today projected, with a legend that says what
// the lines mean, today's figures and the next event's. It follows every
// change of the document at once, working out only the days from the
// change's first day on, so an edited plan moves the projection while the
// athlete watches. Its commands choose the range, page by the range's period
// (also with the mouse wheel) and return to today; it prints the chart on a
// page of its own.
class CFormView : public CChartBaseView, public DocumentObserver, public SettingsObserver {
    Q_OBJECT

public:
    explicit CFormView(CKadenzoDoc& document, QWidget* parent = nullptr);
    ~CFormView() override;

    CFormChart* Chart() const { return chart_; }
    const FormViewState& State() const { return state_; }
    const FormSeries& Series() const { return series_; }

    // A command of the form menu; false when the view has no such command.
    bool OnCommand(int command) override;
    // The menu text of the paging commands for the current range.
    QString PagingText(int command) const;
    // What the status line says for a day: its figures and workouts.
    QString DayText(int day) const;

    // Makes the frame's form commands, paging buttons and status line work
    // with this view while it exists.
    void RegisterCommands(CMainFrame& frame);

    void OnDocumentChanged(const DocumentChange& change) override;
    void OnDocumentReplaced() override;
    void OnSettingsChanged(const SettingsChange& change) override;

protected:
    PrintJob& Job() override;

private:
    // The chart's days, events and texts from the series as it stands.
    void Refill();
    void UpdatePagingTexts();
    std::vector<FormEventDays> EventDays() const;
    QString DateText(int day) const;

    FormViewState state_;
    FormSeries series_;
    CFormChart* chart_;  // child of the view
    std::unique_ptr<PrintJob> printJob_;
    QPointer<CMainFrame> frame_;
};

}  // namespace kadenzo
