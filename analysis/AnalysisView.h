#pragma once

#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "AnalysisViewState.h"
#include "ChartBaseView.h"
#include "ScaleValues.h"
#include "Units.h"

namespace kadenzo {

class CAnalysisChart;
class CKadenzoDoc;
class CMainFrame;
class StringTable;

// The analysis: the sums of the workouts over a range of periods as a 3-D
// bar chart that fills the view (20 pixels in from every edge). Its commands
// choose the range, the quantity, the grouping and the split, page through
// time (also with the mouse wheel) and set the scale; it prints the chart on
// a page of its own. It recomputes on its commands and whenever the document
// or the settings change, reading the log and the library afresh each time.
class CAnalysisView : public CChartBaseView {
    Q_OBJECT

public:
    // `today` gives the current day number: the range ends there when the
    // view opens and whenever a range is chosen.
    CAnalysisView(CKadenzoDoc& document, const UnitSettings& units, std::function<int()> today,
                  QWidget* parent = nullptr);

    CAnalysisChart* Chart() const { return chart_; }
    const AnalysisViewState& State() const { return state_; }

    // A command of the analysis menu; false when the view has no such command.
    bool OnCommand(int command) override;
    // Item `index` (from 1) of the sports menu, standing for sportId.
    void OnSportMenuItem(int index, std::uint32_t sportId);
    // Command 0x803B: the scale dialog, between the two below.
    void OnScale();
    // The dialog's fields: an automatic scale as the chart works it out now.
    ScaleValues CurrentScaleValues() const;
    // Takes the dialog's fields over into the view and the chart.
    void ApplyScale(const ScaleValues& values);
    // The menu text of the paging commands for the current range.
    QString PagingText(int command) const;

    // Sums the workouts again and fills the chart.
    void Rebuild();
    // Back to the automatic scale.
    void ResetScale();

    // Makes the frame's analysis commands, the sports menu and the status
    // line work with this view while it exists.
    // sportMenu: the sports of the items of the sports menu, from its first.
    void RegisterCommands(CMainFrame& frame, const std::vector<std::uint32_t>& sportMenu);

    void OnDocumentChanged(const DocumentChange& change) override;
    void OnDocumentReplaced() override;
    // The sums, their scale and legend follow the units.
    void OnSettingsChanged(const SettingsChange& change) override;

private:
    void ApplyEffect(const AnalysisViewState::Effect& effect);
    void UpdatePagingTexts();
    QString ChartValueText(double value) const;
    // The choices behind the chart, for assistive technology.
    QString ChoicesText(const AnalysisResult& result) const;

    const UnitSettings& units_;  // the application's live setting
    UnitSettings builtUnits_;    // the setting of the last sums
    std::function<int()> today_;
    AnalysisViewState state_;
    CAnalysisChart* chart_;  // child of the view
    QPointer<CMainFrame> frame_;
};

}  // namespace kadenzo
