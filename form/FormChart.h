#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

#include "FormLayout.h"

namespace kadenzo {

// A line of the legend below the chart, with the key it explains.
struct FormLegendLine {
    enum Key { kNone = -1, kFitness = kFitnessLine, kFatigue = kFatigueLine, kForm = kFormLine,
               kLoadAndPlan = 3 };
    QString text;
    int key = kNone;
    bool warning = false;  // something the athlete can put right
};

// What the chart writes besides the figures, in the document's language.
struct FormChartTexts {
    QString today;                      // the mark over today
    QStringList columns;                // date, load, fitness, fatigue, form
    std::vector<QString> tickLabels;    // one per date tick of the layout
    std::vector<FormLegendLine> meanings;  // left legend column
    std::vector<FormLegendLine> facts;     // right legend column
};

// The form chart: fitness, fatigue and form as lines over the days, solid up
// to today and dashed, lighter, after it; each day's load as a thin bar
// below; events as bands behind, hatched where they block training; the
// legend underneath. It knows no document: the view hands it the days and
// texts. The same drawing serves the screen and the printer. Hovering over a
// day reports it through the status callback and as a tool tip.
class CFormChart : public QWidget {
    Q_OBJECT

public:
    explicit CFormChart(QWidget* parent = nullptr);

    void SetContent(FormChartData data, FormChartTexts texts);
    const FormChartData& Data() const { return data_; }
    const FormChartTexts& Texts() const { return texts_; }
    const FormChartLayout& Layout() const { return layout_; }

    // The text of a day under the mouse (the view knows the workouts).
    void SetDayText(std::function<QString(int day)> dayText) { dayText_ = std::move(dayText); }
    void SetStatusSink(std::function<void(const QString&)> sink) { statusSink_ = std::move(sink); }
    // The day under a point of the widget, if any.
    std::optional<int> DayAt(const QPoint& point) const;
    // The status text for a point of the widget, empty away from the days.
    QString StatusTextAt(const QPoint& point) const;

    void Draw(QPainter& painter, const QRect& rect, bool printing) const;

signals:
    void contentChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    FormChartLayout LayOut(const QRect& rect, const QFontMetricsF& metrics) const;
    void Relayout();

    FormChartData data_;
    FormChartTexts texts_;
    FormChartLayout layout_;
    std::function<QString(int)> dayText_;
    std::function<void(const QString&)> statusSink_;
};

}  // namespace kadenzo
