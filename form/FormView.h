#pragma once

#include <QPointer>
#include <memory>

#include "ChartBaseView.h"
#include "FormLayout.h"
#include "FormRange.h"
#include "FormSeries.h"

class QSettings;

namespace kadenzo {

class CFormChart;
class CFormLegendPanel;
class CMainFrame;

// Training load and form: fitness, fatigue and form over a range of days
// around today, the plan after today projected up to its end, with the
// legend below that answers first how the athlete will be on the next race's
// morning, then says today's form, how far the figures are still warming up,
// where the plan ramps too fast and what keeps workouts from being rated. It
// follows every change of the document at once, working out only the days
// from the change's first day on, so an edited plan moves the projection
// while the athlete watches. Its commands choose the range (at first up to
// the next race), page by the range's period (also with the mouse wheel) and
// return to today; it prints the chart and its legend on a page of its own.
// Races are the workouts of the race category the settings keep.
class CFormView : public CChartBaseView {
    Q_OBJECT

public:
    // settings: where the race category is kept; null: the library's default.
    CFormView(CKadenzoDoc& document, QSettings* settings, QWidget* parent = nullptr);

    CFormChart* Chart() const { return chart_; }
    CFormLegendPanel* Legend() const { return legend_; }
    const FormViewState& State() const { return state_; }
    const FormSeries& Series() const { return series_; }

    // A command of the form menu; false when the view has no such command.
    bool OnCommand(int command) override;
    // The menu text of the paging commands for the current range.
    QString PagingText(int command) const;
    // What is said of a day, a part each: its figures, what is special about
    // it (ramp, warming up), its races, its events and its other workouts.
    QStringList DayParts(int day) const;
    // The same as the status line says it.
    QString DayText(int day) const;
    // The race category chosen in the settings, for the library as it is.
    std::optional<std::uint32_t> RaceCategory() const;
    // After the race category's setting changed.
    void OnRaceCategoryChanged() { Refill(); }

    // Makes the frame's form commands, paging buttons and status line work
    // with this view while it exists.
    void RegisterCommands(CMainFrame& frame);

    void OnDocumentChanged(const DocumentChange& change) override;
    void OnDocumentReplaced() override;
    void OnSettingsChanged(const SettingsChange& change) override;

private:
    // The chart's days, events and texts from the series as it stands.
    void Refill();
    void UpdatePagingTexts();
    std::vector<FormEventDays> EventDays() const;
    QString DateText(int day) const;
    QString EventName(int eventIndex) const;

    QSettings* settings_;
    FormViewState state_;
    FormSeries series_;
    CFormChart* chart_;         // child of the view's pane
    CFormLegendPanel* legend_;  // below the chart
    QPointer<CMainFrame> frame_;
};

}  // namespace kadenzo
