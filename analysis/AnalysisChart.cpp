#include "AnalysisChart.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>

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
    // The view passes the focus on to the chart, which the keys walk.
    setFocusPolicy(Qt::StrongFocus);
}

void CAnalysisChart::SetContent(ChartContent content) {
    content_ = std::move(content);
    cursor_.Clamp(content_.Periods(), Bars());
    Relayout();
    emit contentChanged();
    // Other sums under the keys (another range, another quantity): said anew.
    if (hasFocus()) ReportCurrentBar();
}

int CAnalysisChart::Bars() const {
    int count = content_.Slots() == 1 ? 1 : 0;
    for (int s = 0; s < content_.Slots(); ++s) {
        bool used = !content_.SlotAt(s).label.empty();
        for (int p = 0; p < content_.Periods() && !used; ++p) used = content_.ColumnSum(p, s) != 0;
        if (used) count = s + 1;
    }
    return count;
}

QRect CAnalysisChart::CurrentBarRect() const {
    const std::optional<std::pair<int, int>> bar = cursor_.Cell();
    QRect shown;
    if (!bar) return shown;
    for (int l = 0; l < content_.Layers(); ++l) {
        const std::size_t index = content_.CellIndex(bar->first, bar->second, l);
        if (index >= layout_.faces.size()) break;
        const ChartRect& face = layout_.faces[index];
        if (face.Width() > 0 && face.Height() > 0)
            shown |= QRect(face.left, face.top, face.Width(), face.Height());
    }
    return shown;
}

void CAnalysisChart::ReportCurrentBar() {
    const std::optional<std::pair<int, int>> bar = cursor_.Cell();
    update();
    if (!bar) return;
    if (statusSink_ && content_.Layers() != 0)
        statusSink_(FromBytes(StatusText(content_, CellRef{bar->first, bar->second, 0},
                                         [this](double value) { return ToBytes(FormatValue(value)); })));
    ChartTableCursor::Announce(this, bar->first, bar->second);
}

void CAnalysisChart::keyPressEvent(QKeyEvent* event) {
    if (!cursor_.Key(*event, content_.Periods(), Bars())) {
        QWidget::keyPressEvent(event);
        return;
    }
    ReportCurrentBar();
    event->accept();
}

void CAnalysisChart::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    cursor_.Clamp(content_.Periods(), Bars());
    // Once the event loop is back: Qt tells of the chart itself after this,
    // and a screen reader should end on the bar.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) ReportCurrentBar();
    });
}

void CAnalysisChart::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
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
    // The keyboard's bar, framed as a focused cell is.
    const QRect bar = CurrentBarRect();
    if (hasFocus() && !bar.isEmpty()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = bar.adjusted(-3, -3, 3, 3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
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
