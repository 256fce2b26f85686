#include "FormChartPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <functional>

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
const QColor kRaceColour(0xa6, 0x1e, 0x4d);
// Ramp days: a warm shade behind the lines, a stronger strip along the top.
const QColor kRampShade(0xf5, 0x9f, 0x00, 70);
const QColor kRampStrip(0xe0, 0x70, 0x00);
// Warming-up days: the chart seen through a veil of white.
const QColor kWarmingUpVeil(0xff, 0xff, 0xff, 150);
const QColor kMarkedDay(0x1f, 0x6f, 0xd1, 40);
// The projected part is drawn this much lighter.
constexpr int kProjectedAlpha = 120;
// Race names that would overlap step down, at most this many lines.
constexpr int kRaceNameRows = 3;

QRectF ToQt(const FormRect& r) {
    return QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom));
}

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

// A race's flag: a pole down from top and a pennant at its head.
void DrawFlag(QPainter& painter, double x, double top, double bottom, double size, double width) {
    painter.setPen(QPen(kRaceColour, width));
    painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    QPolygonF pennant;
    pennant << QPointF(x, top) << QPointF(x + size, top + size * 0.3)
            << QPointF(x, top + size * 0.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kRaceColour);
    painter.drawPolygon(pennant);
    painter.setBrush(Qt::NoBrush);
}

QFont LineFont(const QFont& font, const FormLegendLine& line) {
    QFont bold = font;
    bold.setBold(line.warning || line.strong);
    return bold;
}

// Lines a fact takes wrapped at width.
int WrappedLines(const QFont& font, QPaintDevice* device, const FormLegendLine& line,
                 double width) {
    const QFontMetricsF metrics(LineFont(font, line), device);
    const QRectF bounds =
        metrics.boundingRect(QRectF(0, 0, std::max(width, 1.0), 1e6), Qt::TextWordWrap, line.text);
    return std::max(1, static_cast<int>(std::ceil(bounds.height() / metrics.height() - 0.01)));
}

void DrawRaces(QPainter& painter, const FormChartLayout& layout, const FormChartData& data,
               double line, double thin) {
    const QRectF lines = ToQt(layout.lines);
    const QFontMetricsF metrics(painter.font(), painter.device());
    std::vector<double> rowEnds(kRaceNameRows, -1e9);
    for (const auto& flag : layout.raceFlags) {
        DrawFlag(painter, flag.x, lines.top(), lines.bottom(), line * 0.9, thin);
        if (flag.race >= data.races.size()) continue;
        const QString name = FromBytes(data.races[flag.race].name);
        const double width = metrics.horizontalAdvance(name) + line / 2;
        // Beside the pennant, or before the pole near the right edge.
        double left = flag.x + line;
        if (left + width > lines.right()) left = std::max(lines.left(), flag.x - width - line / 4);
        int row = 0;
        while (row + 1 < kRaceNameRows && rowEnds[static_cast<std::size_t>(row)] > left) ++row;
        rowEnds[static_cast<std::size_t>(row)] = left + width;
        const QRectF box(left, lines.top() + row * line, width, line);
        painter.fillRect(box, QColor(255, 255, 255, 200));
        painter.setPen(kRaceColour);
        painter.drawText(box, Qt::AlignCenter, name);
    }
}

// Where each line of the legend goes: the facts first, each whole on lines
// of its own; then the keys, two to a line, each wrapped in its half. Calls
// place(entry, left, top, width, rows) for each and returns the lines taken.
int PlaceLegend(
    const QFont& font, QPaintDevice* device, const FormChartTexts& texts, double width, double line,
    const std::function<void(const FormLegendLine&, double, double, double, int)>& place) {
    const double keyRoom = line * 2.5;  // the key and its gap
    const auto rowsOf = [&](const FormLegendLine& entry, double room) {
        return WrappedLines(font, device, entry,
                            room - (entry.key != FormLegendLine::kNone ? keyRoom : 0));
    };
    int lines = 0;
    const double full = width - line;
    for (const FormLegendLine& entry : texts.facts) {
        const int rows = rowsOf(entry, full);
        place(entry, line / 2, lines * line, full, rows);
        lines += rows;
    }
    const double half = full / 2;
    for (std::size_t i = 0; i < texts.keys.size(); i += 2) {
        int rows = rowsOf(texts.keys[i], half - line / 2);
        if (i + 1 < texts.keys.size())
            rows = std::max(rows, rowsOf(texts.keys[i + 1], half - line / 2));
        for (std::size_t k = i; k < std::min(i + 2, texts.keys.size()); ++k)
            place(texts.keys[k], line / 2 + static_cast<double>(k - i) * half, lines * line,
                  half - line / 2, rows);
        lines += rows;
    }
    return lines;
}

void DrawLegend(QPainter& painter, const QRectF& legend, const FormChartTexts& texts, double line,
                double thin) {
    const QFont font = painter.font();
    const double keyWidth = line * 2;
    PlaceLegend(font, painter.device(), texts, legend.width(), line,
                [&](const FormLegendLine& entry, double x, double y, double width, int rows) {
                    x += legend.left();
                    y += legend.top();
                    double textLeft = x;
                    if (entry.key != FormLegendLine::kNone) {
                        DrawFormLegendKey(painter, QRectF(x, y + line * 0.2, keyWidth, line * 0.6),
                                          entry, thin);
                        textLeft += keyWidth + line / 2;
                    }
                    painter.setFont(LineFont(font, entry));
                    painter.setPen(entry.warning ? kWarningColour : QColor(Qt::black));
                    painter.drawText(QRectF(textLeft, y, x + width - textLeft, line * rows),
                                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, entry.text);
                    painter.setFont(font);
                });
}

}  // namespace

QColor FormWarningColour() { return kWarningColour; }

void DrawFormLegendKey(QPainter& painter, const QRectF& box, const FormLegendLine& line,
                       double width) {
    painter.save();
    const double y = box.center().y();
    switch (line.key) {
        case FormLegendLine::kFitness:
        case FormLegendLine::kFatigue:
        case FormLegendLine::kForm:
            painter.setPen(LinePen(line.key, false, width * 1.5));
            painter.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
            break;
        case FormLegendLine::kLoadAndPlan:
            painter.fillRect(QRectF(box.left(), box.top() + box.height() * 0.2, box.width() * 0.2,
                                    box.height() * 0.8),
                             kBarColour);
            painter.setPen(LinePen(kFitnessLine, true, width * 1.5));
            painter.drawLine(QPointF(box.left() + box.width() * 0.35, y), QPointF(box.right(), y));
            break;
        case FormLegendLine::kRamp:
            painter.fillRect(box, kRampShade);
            painter.fillRect(QRectF(box.left(), box.top(), box.width(), box.height() * 0.25),
                             kRampStrip);
            break;
        case FormLegendLine::kWarmingUp:
            painter.setPen(LinePen(kFormLine, false, width * 1.5));
            painter.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
            painter.fillRect(box, kWarmingUpVeil);
            painter.setPen(QPen(kGridColour, width));
            painter.drawRect(box);
            break;
        case FormLegendLine::kBand:
            painter.fillRect(box, ColourFromRef(line.colour));
            if (line.blocked) painter.fillRect(box, QBrush(kAxisColour, Qt::BDiagPattern));
            break;
        case FormLegendLine::kRace:
            painter.setRenderHint(QPainter::Antialiasing);
            DrawFlag(painter, box.left() + box.width() * 0.3, box.top() - box.height() * 0.2,
                     box.bottom() + box.height() * 0.2, box.height(), width);
            break;
        default:
            break;
    }
    painter.restore();
}

int FormLegendLineCount(const QFont& font, QPaintDevice* device, const FormChartTexts& texts,
                        double width) {
    return PlaceLegend(font, device, texts, width, QFontMetricsF(font, device).height(),
                       [](const FormLegendLine&, double, double, double, int) {});
}

void DrawFormChart(QPainter& painter, const QPointF& origin, const FormChartLayout& layout,
                   const FormChartData& data, const FormChartTexts& texts,
                   const FormChartDrawing& drawing) {
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
    for (const FormRect& run : layout.rampDays) {
        const QRectF rect = ToQt(run);
        painter.fillRect(rect, kRampShade);
        painter.fillRect(QRectF(rect.left(), lines.top(), rect.width(), line / 4), kRampStrip);
    }
    if (drawing.markedDay && layout.dayWidth > 0 && *drawing.markedDay >= data.days.firstDay &&
        *drawing.markedDay <= data.days.lastDay) {
        const double left =
            lines.left() + (*drawing.markedDay - data.days.firstDay) * layout.dayWidth;
        const QRectF column(left, lines.top(), std::max(layout.dayWidth, 2.0),
                            loads.bottom() - lines.top());
        painter.fillRect(column, kMarkedDay);
        painter.setPen(QPen(kLineColours[kFitnessLine], thin, Qt::DotLine));
        painter.drawRect(column);
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
    // The warming up seen through a veil: its figures are not yet to be trusted.
    for (const FormRect& run : layout.warmingUp) painter.fillRect(ToQt(run), kWarmingUpVeil);

    DrawRaces(painter, layout, data, line, thin);

    if (layout.todayX) {
        painter.setPen(QPen(Qt::black, thin, Qt::SolidLine));
        painter.drawLine(QPointF(*layout.todayX, lines.top() - line / 4),
                         QPointF(*layout.todayX, loads.bottom()));
        painter.drawText(
            QRectF(*layout.todayX - line * 10, lines.top() - line * 1.4, line * 20, line),
            Qt::AlignHCenter | Qt::AlignBottom, texts.today);
    }

    if (drawing.legend) DrawLegend(painter, ToQt(layout.legend), texts, line, thin);
    painter.restore();
}

}  // namespace kadenzo
