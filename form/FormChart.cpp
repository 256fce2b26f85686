#include "FormChart.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "FormChartPainter.h"

namespace kadenzo {

CFormChart::CFormChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormChart"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void CFormChart::SetContent(FormChartData data, FormChartTexts texts) {
    data_ = std::move(data);
    texts_ = std::move(texts);
    Relayout();
    update();
    emit contentChanged();
}

FormChartLayout CFormChart::LayOut(const QRect& rect, const QFontMetricsF& metrics) const {
    FormChartMetrics m;
    m.width = rect.width();
    m.height = rect.height();
    m.lineHeight = metrics.height();
    // The axis shows whole figures; room for a minus and four digits.
    m.valueLabelWidth = metrics.horizontalAdvance(QStringLiteral("-0000"));
    for (const QString& label : texts_.tickLabels)
        m.dateLabelWidth = std::max(m.dateLabelWidth, metrics.horizontalAdvance(label));
    m.legendLines = static_cast<int>((texts_.meanings.size() + 1) / 2 + texts_.facts.size());
    return LayOutFormChart(data_, m);
}

void CFormChart::Relayout() { layout_ = LayOut(rect(), QFontMetricsF(font(), this)); }

void CFormChart::Draw(QPainter& painter, const QRect& rect, bool printing) const {
    if (!printing) {
        DrawFormChart(painter, rect.topLeft(), layout_, data_, texts_);
        return;
    }
    // The printer's own sizes and fonts: a layout of its own for the page.
    const FormChartLayout page = LayOut(rect, QFontMetricsF(painter.font(), painter.device()));
    DrawFormChart(painter, rect.topLeft(), page, data_, texts_);
}

std::optional<int> CFormChart::DayAt(const QPoint& point) const {
    return FormDayAt(layout_, data_, point.x(), point.y());
}

QString CFormChart::StatusTextAt(const QPoint& point) const {
    const std::optional<int> day = DayAt(point);
    return day && dayText_ ? dayText_(*day) : QString();
}

bool CFormChart::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = StatusTextAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

void CFormChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    Draw(painter, rect(), false);
}

void CFormChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Relayout();
}

void CFormChart::mouseMoveEvent(QMouseEvent* event) {
    if (statusSink_) statusSink_(StatusTextAt(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void CFormChart::leaveEvent(QEvent* event) {
    if (statusSink_) statusSink_(QString());
    QWidget::leaveEvent(event);
}

}  // namespace kadenzo
