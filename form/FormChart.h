#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "FormLayout.h"

namespace kadenzo {

// A line of the legend, with the key it explains.
struct FormLegendLine {
    enum Key {
        kNone = -1,
        kFitness = kFitnessLine,
        kFatigue = kFatigueLine,
        kForm = kFormLine,
        kLoadAndPlan = 3,
        kRamp,       // the ramp days' shading
        kWarmingUp,  // the faded days of the warming up
        kBand,       // an event's band, in `colour`
        kRace,       // a race's flag
    };
    QString text;
    int key = kNone;
    bool warning = false;      // something the athlete can put right
    bool strong = false;       // what the view answers first: the next race
    std::uint32_t colour = 0;  // of a band, 0x00BBGGRR
    bool blocked = false;      // a band that blocks training: hatched
};

// What the chart writes besides the figures, in the document's language.
struct FormChartTexts {
    QString today;                      // the mark over today
    QStringList columns;                // date, load, fitness, fatigue, form
    std::vector<QString> tickLabels;    // one per date tick of the layout
    std::vector<FormLegendLine> facts;  // the figures and warnings, a line each
    std::vector<FormLegendLine> keys;   // what lines, shades, bands and flags mean
};

// The form chart: fitness, fatigue and form as lines over the days, solid up
// to today and dashed, lighter, after it up to the plan's end; each day's
// load as a thin bar below; events as bands behind, hatched where they block
// training; the warming-up days faded, the ramp days shaded, each race
// flagged with its name. It knows no document: the view hands it the days
// and texts. On the screen the view shows the legend beside it; on paper the
// chart draws it underneath. Hovering over a day reports it through the
// status callback and as a tool tip.
//
// With the keyboard focus the chart is a table of the days (rows) and their
// figures (columns), as assistive technology reads it: Up and Down move by a
// day, Left and Right by a figure, Ctrl+Home and Ctrl+End go to the first and
// last day. The current day is marked and reported like a hovered one.
class CFormChart : public QWidget {
    Q_OBJECT

public:
    static constexpr int kColumns = 5;  // date, load, fitness, fatigue, form

    explicit CFormChart(QWidget* parent = nullptr);

    void SetContent(FormChartData data, FormChartTexts texts);
    const FormChartData& Data() const { return data_; }
    const FormChartTexts& Texts() const { return texts_; }
    const FormChartLayout& Layout() const { return layout_; }

    // What to say of a day under the mouse or the keys, a part each (the
    // view knows the workouts): one line in the status bar, a part a line
    // in the tool tip.
    void SetDayText(std::function<QStringList(int day)> dayText) { dayText_ = std::move(dayText); }
    void SetStatusSink(std::function<void(const QString&)> sink) { statusSink_ = std::move(sink); }
    // The day under a point of the widget, if any.
    std::optional<int> DayAt(const QPoint& point) const;
    // The status text for a point of the widget, empty away from the days.
    QString StatusTextAt(const QPoint& point) const;
    // The day's parts as the status line joins them.
    static QString StatusText(const QStringList& parts);

    // The table's current cell: the row (day index in the range) and the
    // column; none until the chart first takes the focus.
    std::optional<int> CurrentRow() const;
    int CurrentColumn() const { return currentColumn_; }
    // Moves the current cell (clamped to the table) and reports it.
    void SetCurrentCell(int row, int column);

    // Screen: the chart alone; printing: the legend underneath, in the
    // printer's sizes.
    void Draw(QPainter& painter, const QRect& rect, bool printing) const;

signals:
    void contentChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    FormChartLayout LayOut(const QRect& rect, const QFont& font, QPaintDevice* device,
                           bool legend) const;
    void Relayout();
    // Tells the status line and assistive technology which cell is current.
    void ReportCurrentCell();

    FormChartData data_;
    FormChartTexts texts_;
    FormChartLayout layout_;
    std::function<QStringList(int)> dayText_;
    std::function<void(const QString&)> statusSink_;
    std::optional<int> currentDay_;  // a day number: it stays while it is shown
    int currentRow_ = 0;             // its row, kept when the day is no longer shown
    int currentColumn_ = kColumns - 1;
};

}  // namespace kadenzo
