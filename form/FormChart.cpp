#include "FormChart.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "ChartTableCursor.h"
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
    // The current day stays while it is shown; else its row does (paging
    // keeps the place in the range).
    const int count = data_.days.Count();
    if (currentDay_ && *currentDay_ >= data_.days.firstDay && *currentDay_ <= data_.days.lastDay)
        currentRow_ = *currentDay_ - data_.days.firstDay;
    if (currentDay_ && count > 0) {
        currentRow_ = std::clamp(currentRow_, 0, count - 1);
        currentDay_ = data_.days.firstDay + currentRow_;
    }
    Relayout();
    update();
    emit contentChanged();
    if (hasFocus()) ReportCurrentCell();
}

FormChartLayout CFormChart::LayOut(const QRect& rect, const QFont& font, QPaintDevice* device,
                                   bool legend) const {
    const QFontMetricsF metrics(font, device);
    FormChartMetrics m;
    m.width = rect.width();
    m.height = rect.height();
    m.lineHeight = metrics.height();
    // The axis shows whole figures; room for a minus and four digits.
    m.valueLabelWidth = metrics.horizontalAdvance(QStringLiteral("-0000"));
    for (const QString& label : texts_.tickLabels)
        m.dateLabelWidth = std::max(m.dateLabelWidth, metrics.horizontalAdvance(label));
    m.legendLines = legend ? FormLegendLineCount(font, device, texts_, rect.width()) : 0;
    return LayOutFormChart(data_, m);
}

void CFormChart::Relayout() { layout_ = LayOut(rect(), font(), this, false); }

void CFormChart::Draw(QPainter& painter, const QRect& rect, bool printing) const {
    if (!printing) {
        const std::optional<int> marked =
            hasFocus() && currentDay_ ? currentDay_ : std::optional<int>();
        DrawFormChart(painter, rect.topLeft(), layout_, data_, texts_, {false, marked});
        return;
    }
    // The printer's own sizes and fonts: a layout of its own for the page,
    // with the legend underneath.
    const FormChartLayout page = LayOut(rect, painter.font(), painter.device(), true);
    DrawFormChart(painter, rect.topLeft(), page, data_, texts_, {true, std::nullopt});
}

std::optional<int> CFormChart::DayAt(const QPoint& point) const {
    return FormDayAt(layout_, data_, point.x(), point.y());
}

QString CFormChart::StatusText(const QStringList& parts) {
    return parts.join(QString::fromUtf8(" \u2013 "));
}

QString CFormChart::StatusTextAt(const QPoint& point) const {
    const std::optional<int> day = DayAt(point);
    return day && dayText_ ? StatusText(dayText_(*day)) : QString();
}

std::optional<int> CFormChart::CurrentRow() const {
    if (!currentDay_) return std::nullopt;
    return currentRow_;
}

void CFormChart::SetCurrentCell(int row, int column) {
    const int count = data_.days.Count();
    if (count <= 0) return;
    currentRow_ = std::clamp(row, 0, count - 1);
    currentDay_ = data_.days.firstDay + currentRow_;
    currentColumn_ = std::clamp(column, 0, kColumns - 1);
    update();
    ReportCurrentCell();
}

void CFormChart::ReportCurrentCell() {
    if (!currentDay_) return;
    if (statusSink_ && dayText_) statusSink_(StatusText(dayText_(*currentDay_)));
    // As Qt's item views do: the focus moves to the cell, so a screen reader
    // speaks it with its row's and column's headers.
    if (QAccessible::isActive() && hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(currentRow_ * kColumns + currentColumn_);
        QAccessible::updateAccessibility(&event);
    }
}

bool CFormChart::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const std::optional<int> day = DayAt(help->pos());
        // A part a line: a long day stays within the screen.
        const QString text = day && dayText_ ? dayText_(*day).join(QLatin1Char('\n')) : QString();
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

void CFormChart::mousePressEvent(QMouseEvent* event) {
    // A click makes the day current, as in a table.
    if (const std::optional<int> day = DayAt(event->position().toPoint()))
        SetCurrentCell(*day - data_.days.firstDay, currentColumn_);
    QWidget::mousePressEvent(event);
}

void CFormChart::leaveEvent(QEvent* event) {
    if (statusSink_) statusSink_(QString());
    QWidget::leaveEvent(event);
}

void CFormChart::keyPressEvent(QKeyEvent* event) {
    // Home alone is the view's Today; the other keys walk the table as in
    // every chart read as a table.
    const bool homeAlone =
        event->key() == Qt::Key_Home && !(event->modifiers() & Qt::ControlModifier);
    const std::optional<std::pair<int, int>> cell =
        homeAlone ? std::nullopt
                  : ChartTableCursor::Step(*event, currentRow_, currentColumn_,
                                           data_.days.Count(), kColumns);
    if (!cell) {
        QWidget::keyPressEvent(event);
        return;
    }
    SetCurrentCell(cell->first, cell->second);
    event->accept();
}

void CFormChart::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // The first time: today's row, or the first shown, at the form column.
    if (!currentDay_ && data_.days.Count() > 0) {
        const bool todayShown =
            data_.today >= data_.days.firstDay && data_.today <= data_.days.lastDay;
        currentRow_ = todayShown ? data_.today - data_.days.firstDay : 0;
        currentDay_ = data_.days.firstDay + currentRow_;
    }
    update();
    ReportCurrentCell();
}

void CFormChart::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace kadenzo
