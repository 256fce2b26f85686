#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "ChartContent.h"
#include "ChartGeometry.h"

namespace kadenzo {

// The 3-D bar chart that fills the analysis view. It knows nothing of
// workouts: the view hands it a ChartContent and a value formatter. The same
// drawing serves the screen and the printer. Moving the mouse over a bar
// reports the bar's description through the status callback.
class CAnalysisChart : public QWidget {
    Q_OBJECT

public:
    using ValueFormatter = std::function<QString(double)>;

    explicit CAnalysisChart(QWidget* parent = nullptr);

    void SetContent(ChartContent content);
    const ChartContent& Content() const { return content_; }

    void SetAutoScale(bool automatic);
    void SetScale(int divisions, double step);
    // The scale as shown now: for an automatic one, what the chart works out
    // for its current size.
    ValueScale GetScale() const;

    void SetValueFormatter(ValueFormatter formatter);
    // The formatter's text, or "%.1f" without one.
    QString FormatValue(double value) const;

    // What assistive technology calls a bar without a label (the chart of
    // totals has one such bar per period).
    void SetUnnamedBarText(const QString& text) { unnamedBar_ = text; }
    const QString& UnnamedBarText() const { return unnamedBar_; }

    // Where the status line text goes (the main window's status bar).
    void SetStatusSink(std::function<void(const QString&)> sink) { statusSink_ = std::move(sink); }

    // Draws into rect on any painter; printing leaves the back wall and the
    // legend box white.
    void Draw(QPainter& painter, const QRect& rect, bool printing) const;

    // The front faces of the cells where the screen shows them (the hit
    // rectangles), laid out whenever the content, scale or size change.
    const std::vector<ChartRect>& HitRects() const { return layout_.faces; }
    // The status text for a point of the widget, empty when no bar is there.
    QString StatusTextAt(const QPoint& point) const;

signals:
    // Other sums, or the same ones written otherwise.
    void contentChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    ChartLayout LayOut(const QRect& rect, const QPaintDevice* device) const;
    // The screen's layout for what the chart holds now; painting only reads it.
    void Relayout();
    QRect DrawingRect() const { return rect().adjusted(1, 1, -1, -1); }

    ChartContent content_;
    ValueScale scale_;
    ValueFormatter formatter_;
    std::function<void(const QString&)> statusSink_;
    QString unnamedBar_;
    ChartLayout layout_;
};

}  // namespace kadenzo
