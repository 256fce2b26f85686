#include "AnalysisChart.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "ChartPainter.h"
#include "CoreText.h"

namespace kadenzo {
namespace {

ChartRect ToChartRect(const QRect& r) { return {r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }

}  // namespace

CAnalysisChart::CAnalysisChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("AnalysisChart"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CAnalysisChart::SetContent(ChartContent content) {
    content_ = std::move(content);
    Relayout();
    emit contentChanged();
}

void CAnalysisChart::SetAutoScale(bool automatic) {
    scale_.automatic = automatic;
    Relayout();
}

void CAnalysisChart::SetScale(int divisions, double step) {
    scale_.divisions = divisions;
    scale_.step = step;
    Relayout();
}

void CAnalysisChart::SetValueFormatter(ValueFormatter formatter) {
    formatter_ = std::move(formatter);
    // The value labels' widths place the axis.
    Relayout();
    emit contentChanged();
}

void CAnalysisChart::Relayout() {
    layout_ = LayOut(DrawingRect(), this);
    update();
}

void CAnalysisChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Relayout();
}

ValueScale CAnalysisChart::GetScale() const {
    if (!scale_.automatic) return scale_;
    return LayOut(DrawingRect(), this).scale;
}

QString CAnalysisChart::FormatValue(double value) const {
    return formatter_ ? formatter_(value) : QString::number(value, 'f', 1);
}

ChartLayout CAnalysisChart::LayOut(const QRect& rect, const QPaintDevice* device) const {
    const ChartFonts fonts = ChartFontsFor(rect.width(), device);
    const ChartRect area = ToChartRect(rect);
    // The automatic scale keeps the bars clear of the legend.
    const QRect legend = LegendBox(content_, area, fonts, device);
    // The texts are measured in the font and on the device they are drawn on.
    const QFontMetrics metrics(fonts.text, device);
    ChartTextWidths widths;
    widths.valueLabel = [this, &metrics](double value) {
        return metrics.horizontalAdvance(FormatValue(value));
    };
    for (int p = 0; p < content_.Periods(); ++p)
        widths.periodLabels.push_back(
            metrics.horizontalAdvance(FromBytes(content_.PeriodLabel(p))));
    return LayOutChartContent(content_, area, fonts.textHeight, scale_,
                              legend.isEmpty() ? ChartRect{} : ToChartRect(legend), widths);
}

void CAnalysisChart::Draw(QPainter& painter, const QRect& rect, bool printing) const {
    const ChartFonts fonts = ChartFontsFor(rect.width(), painter.device());
    const ChartLayout layout = LayOut(rect, painter.device());
    PaintChart(painter, content_, layout, fonts, printing,
               [this](double value) { return FormatValue(value); });
}

void CAnalysisChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const ChartFonts fonts = ChartFontsFor(DrawingRect().width(), this);
    PaintChart(painter, content_, layout_, fonts, false,
               [this](double value) { return FormatValue(value); });
}

QString CAnalysisChart::StatusTextAt(const QPoint& point) const {
    const std::optional<CellRef> cell = HitCell(content_, layout_.faces, point.x(), point.y());
    if (!cell) return QString();
    return FromBytes(
        StatusText(content_, *cell, [this](double value) { return ToBytes(FormatValue(value)); }));
}

void CAnalysisChart::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    // Without layers there is nothing to describe, and the status line keeps
    // what it shows.
    if (content_.Layers() == 0 || !statusSink_) return;
    statusSink_(StatusTextAt(event->position().toPoint()));
}

void CAnalysisChart::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (content_.Layers() != 0 && statusSink_) statusSink_(QString());
}

}  // namespace kadenzo
