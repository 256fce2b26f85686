#include "FormChartPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "CoreText.h"
#include "FormChart.h"

namespace kadenzo {
namespace {

const QColor kLineColours[3] = {QColor(0x1f, 0x6f, 0xd1), QColor(0xd9, 0x48, 0x0f),
                                QColor(0x2b, 0x8a, 0x3e)};
const QColor kBarColour(0x6c, 0x75, 0x7d);
const QColor kAxisColour(0x49, 0x50, 0x57);
const QColor kGridColour(0xdd, 0xe1, 0xe5);
const QColor kWarningColour(0xb0, 0x24, 0x18);
// The projected part is drawn this much lighter.
constexpr int kProjectedAlpha = 120;

QRectF ToQt(const FormRect& r) { return QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom)); }

QPolygonF ToQt(const std::vector<FormPoint>& points) {
    QPolygonF polygon;
    for (const FormPoint& p : points) polygon << QPointF(p.x, p.y);
    return polygon;
}

QPen LinePen(int line, bool projected, double width) {
    QColor colour = kLineColours[line];
    if (projected) colour.setAlpha(kProjectedAlpha);
    QPen pen(colour, width);
    if (projected) pen.setStyle(Qt::DashLine);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// The key of a legend line: a short stroke of the line, or a bar and a dash.
void DrawKey(QPainter& painter, const QRectF& box, int key, double width) {
    const double y = box.center().y();
    if (key >= 0 && key < 3) {
        painter.setPen(LinePen(key, false, width * 1.5));
        painter.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
    } else if (key == FormLegendLine::kLoadAndPlan) {
        painter.fillRect(QRectF(box.left(), box.top() + box.height() * 0.2, box.width() * 0.2,
                                box.height() * 0.8),
                         kBarColour);
        painter.setPen(LinePen(kFitnessLine, true, width * 1.5));
        painter.drawLine(QPointF(box.left() + box.width() * 0.35, y), QPointF(box.right(), y));
    }
}

}  // namespace

void DrawFormChart(QPainter& painter, const QPointF& origin, const FormChartLayout& layout,
                   const FormChartData& data, const FormChartTexts& texts) {
    painter.save();
    painter.translate(origin);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = metrics.height();
    const double thin = std::max(1.0, line / 14);

    const QRectF lines = ToQt(layout.lines);
    const QRectF loads = ToQt(layout.loads);

    for (const auto& band : layout.bands) {
        const QRectF rect = ToQt(band.rect);
        painter.fillRect(rect, ColourFromRef(band.colour));
        if (band.blocked) painter.fillRect(rect, QBrush(kAxisColour, Qt::BDiagPattern));
    }

    // Value grid and labels; the zero line stronger.
    for (const auto& tick : layout.valueTicks) {
        painter.setPen(QPen(tick.value == 0 ? kAxisColour : kGridColour, thin));
        painter.drawLine(QPointF(lines.left(), tick.y), QPointF(lines.right(), tick.y));
        painter.setPen(kAxisColour);
        painter.drawText(QRectF(0, tick.y - line / 2, lines.left() - line / 3, line),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(tick.value));
    }
    painter.setPen(QPen(kAxisColour, thin));
    painter.drawLine(loads.bottomLeft(), loads.bottomRight());

    for (std::size_t k = 0; k < layout.dateTicks.size(); ++k) {
        const auto& tick = layout.dateTicks[k];
        painter.setPen(QPen(kGridColour, thin));
        painter.drawLine(QPointF(tick.x, lines.top()), QPointF(tick.x, loads.bottom()));
        if (!tick.labelled || k >= texts.tickLabels.size()) continue;
        painter.setPen(kAxisColour);
        painter.drawText(QRectF(tick.x + thin * 2, loads.bottom() + line / 4, line * 20, line),
                         Qt::AlignLeft | Qt::AlignTop, texts.tickLabels[k]);
    }

    for (std::size_t i = 0; i < layout.bars.size() && i < data.series.size(); ++i) {
        QColor colour = kBarColour;
        if (data.series[i].projected) colour.setAlpha(kProjectedAlpha);
        const QRectF bar = ToQt(layout.bars[i]);
        if (bar.height() > 0) painter.fillRect(bar, colour);
    }

    for (int l = 0; l < 3; ++l) {
        painter.setPen(LinePen(l, false, thin * 2));
        painter.drawPolyline(ToQt(layout.done[static_cast<std::size_t>(l)]));
        painter.setPen(LinePen(l, true, thin * 2));
        painter.drawPolyline(ToQt(layout.projected[static_cast<std::size_t>(l)]));
    }

    if (layout.todayX) {
        painter.setPen(QPen(Qt::black, thin, Qt::SolidLine));
        painter.drawLine(QPointF(*layout.todayX, lines.top() - line / 4),
                         QPointF(*layout.todayX, loads.bottom()));
        painter.drawText(QRectF(*layout.todayX - line * 10, lines.top() - line * 1.4, line * 20, line),
                         Qt::AlignHCenter | Qt::AlignBottom, texts.today);
    }

    // Legend: what the lines mean in two columns, then the figures, each on
    // a line of its own so that none is cut.
    const QRectF legend = ToQt(layout.legend);
    const double keyWidth = line * 2;
    const auto drawEntry = [&](const FormLegendLine& entry, double x, double y, double width) {
        double textLeft = x;
        if (entry.key != FormLegendLine::kNone) {
            DrawKey(painter, QRectF(x, y + line * 0.2, keyWidth, line * 0.6), entry.key, thin);
            textLeft += keyWidth + line / 2;
        }
        QFont font = painter.font();
        font.setBold(entry.warning);
        painter.setFont(font);
        painter.setPen(entry.warning ? kWarningColour : QColor(Qt::black));
        const QRectF box(textLeft, y, x + width - textLeft, line);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(font, painter.device())
                             .elidedText(entry.text, Qt::ElideRight, box.width()));
        font.setBold(false);
        painter.setFont(font);
    };
    const double half = (legend.width() - line) / 2;
    double y = legend.top();
    for (std::size_t i = 0; i < texts.meanings.size(); ++i) {
        drawEntry(texts.meanings[i], legend.left() + line / 2 + (i % 2) * half, y, half - line / 2);
        if (i % 2 == 1 || i + 1 == texts.meanings.size()) y += line;
    }
    for (const FormLegendLine& entry : texts.facts) {
        drawEntry(entry, legend.left() + line / 2, y, legend.width() - line);
        y += line;
    }
    painter.restore();
}

}  // namespace kadenzo
