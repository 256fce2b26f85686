#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "ChartContent.h"
#include "ChartGeometry.h"
#include "ChartTableCursor.h"

namespace kadenzo {

// The 3-D bar chart that fills the analysis view. It knows nothing of
// workouts: the view hands it a ChartContent and a value formatter. The same
// drawing serves the screen and the printer. Moving the mouse over a bar
// reports the bar's description through the status callback. With the
// keyboard focus it is a table of periods (rows) and bars (columns) whose
// current bar the arrow keys move, framed on the screen and reported as the
// mouse's is; a screen reader hears each bar with its period and name.
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

    // The bars a period holds: every slot up to the last one with a name or
    // a sum (the slots after it stay empty); the chart of totals has its one.
    int Bars() const;
    // The bar the keys are on (period, slot); none while the chart is empty.
    std::optional<std::pair<int, int>> CurrentBar() const { return cursor_.Cell(); }

signals:
    // Other sums, or the same ones written otherwise.
    void contentChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    ChartLayout LayOut(const QRect& rect, const QPaintDevice* device) const;
    // The screen's layout for what the chart holds now; painting only reads it.
    void Relayout();
    QRect DrawingRect() const { return rect().adjusted(1, 1, -1, -1); }
    // The current bar's front faces on the screen, for its frame.
    QRect CurrentBarRect() const;
    // The current bar to the status line and a screen reader.
    void ReportCurrentBar();

    ChartContent content_;
    ValueScale scale_;
    ValueFormatter formatter_;
    std::function<void(const QString&)> statusSink_;
    QString unnamedBar_;
    ChartLayout layout_;
    ChartTableCursor cursor_;
};

}  // namespace kadenzo
