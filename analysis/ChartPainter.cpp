#include "ChartPainter.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>

#include "CoreText.h"
#include "Formats.h"

namespace kadenzo {
namespace {

constexpr std::uint32_t kFloor = 0xD0D0D0;
constexpr std::uint32_t kOutline = 0x808080;
constexpr std::uint32_t kWall = 0xEEEEEE;
constexpr std::uint32_t kGrid = 0xC0C0C0;
constexpr std::uint32_t kLegendBox = 0xC0C0C0;
constexpr double kScreenDpi = 96.0;

int Trunc(double value) { return static_cast<int>(value); }

// Lines a pixel wide on the screen keep that width in screen pixels on paper.
int LineWidth(const QPaintDevice* device) {
    const int dpi = device ? device->logicalDpiY() : 96;
    return std::max(1, Trunc(dpi / kScreenDpi + 0.5));
}

QPen SolidPen(std::uint32_t colour, int width) {
    return QPen(ColourFromRef(colour), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

QPolygon Polygon(std::initializer_list<std::pair<double, double>> points) {
    QPolygon polygon;
    for (const auto& [x, y] : points) polygon << QPoint(Trunc(x), Trunc(y));
    return polygon;
}

void PaintWalls(QPainter& painter, const ChartContent& content, const ChartLayout& layout,
                const ChartFonts& fonts, bool printing, int lineWidth) {
    const ChartGeometry& g = layout.geometry;
    const double x0 = g.x0;
    const double y0 = g.baseY;
    const double x1 = g.x0 + g.chartWidth;
    const double depthX = 2 * g.dx;
    const double depthY = 2 * g.dy;
    painter.setPen(SolidPen(kOutline, lineWidth));
    painter.setBrush(ColourFromRef(kFloor));
    painter.drawPolygon(
        Polygon({{x0, y0}, {x1, y0}, {x1 + depthX, y0 - depthY}, {x0 + depthX, y0 - depthY}}));
    for (int i = 1; i <= content.Periods(); ++i) {
        const double x = x0 + i * g.periodWidth;
        painter.drawLine(Trunc(x), Trunc(y0), Trunc(x + depthX), Trunc(y0 - depthY));
    }

    painter.setFont(fonts.text);
    painter.setPen(Qt::black);
    const int labelTop = g.area.bottom - fonts.textHeight;
    for (const PeriodLabelPlace& place : layout.periodLabels) {
        painter.drawText(QRect(place.left, labelTop, place.right - place.left, fonts.textHeight),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                         FromBytes(content.PeriodLabel(place.period)));
    }

    const double top = g.area.top;
    painter.setPen(SolidPen(kOutline, lineWidth));
    painter.setBrush(ColourFromRef(kWall));
    painter.drawPolygon(
        Polygon({{x0, y0}, {x0 + depthX, y0 - depthY}, {x0 + depthX, top}, {x0, top + depthY}}));
    if (printing) painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(Polygon({{x0 + depthX, y0 - depthY},
                                 {x1 + depthX, y0 - depthY},
                                 {x1 + depthX, top},
                                 {x0 + depthX, top}}));
}

void PaintGrid(QPainter& painter, const ChartLayout& layout, const ChartFonts& fonts, int lineWidth,
               const std::function<QString(double)>& formatValue) {
    if (layout.grid.empty()) return;
    const ChartGeometry& g = layout.geometry;
    const int h = fonts.textHeight;
    painter.setFont(fonts.text);
    const QFontMetrics metrics(fonts.text, painter.device());
    QPen dotted(ColourFromRef(kGrid), lineWidth, Qt::DotLine);
    int widest = 0;
    for (const GridLine& line : layout.grid) {
        const int y = Trunc(g.baseY - line.offset);
        const int backY = Trunc(g.baseY - 2 * g.dy - line.offset);
        painter.setPen(dotted);
        painter.drawPolyline(
            QPolygon({QPoint(Trunc(g.x0 + g.chartWidth + 2 * g.dx) - 1, backY),
                      QPoint(Trunc(g.x0 + 2 * g.dx), backY), QPoint(Trunc(g.x0), y)}));
        const QString label = formatValue(line.value);
        widest = std::max(widest, metrics.horizontalAdvance(label));
        const int right = Trunc(g.x0 - 0.2 * h);
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(g.area.left, Trunc(y - 2.0 * h)),
                               QPoint(right - 1, Trunc(y - 0.1 * h) - 1)),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, label);
    }
    // A short rule under each value label, joining it to its grid line.
    painter.setPen(dotted);
    for (const GridLine& line : layout.grid) {
        const int y = Trunc(g.baseY - line.offset);
        painter.drawLine(Trunc(g.x0 - 0.2 * h) - widest, y, Trunc(g.x0) - 1, y);
    }
}

void PaintBars(QPainter& painter, const ChartContent& content, const ChartLayout& layout,
               int lineWidth) {
    const ChartGeometry& g = layout.geometry;
    const int depthX = Trunc(g.dx);
    const int depthY = Trunc(g.dy);
    const int layers = content.Layers();
    for (int p = 0; p < content.Periods(); ++p) {
        for (int s = 0; s < content.Slots(); ++s) {
            const std::uint32_t slotColour = content.SlotAt(s).colour;
            for (int l = 0; l < layers; ++l) {
                const ChartRect& face = layout.faces[content.CellIndex(p, s, l)];
                if (face.Height() < 1) continue;
                // The lowest layer darkest, the top one in the slot's colour.
                const std::uint32_t colour = ShadeColour(slotColour, 2 * (layers - l) - 2);
                painter.setPen(SolidPen(ShadeColour(colour, 30), lineWidth));
                painter.setBrush(ColourFromRef(colour));
                painter.drawRect(QRect(face.left, face.top, face.Width() - 1, face.Height() - 1));
                painter.setBrush(ColourFromRef(ShadeColour(colour, 20)));
                const int right = face.right - 1;
                painter.drawPolygon(
                    QPolygon({QPoint(right, face.bottom - 1),
                              QPoint(right + depthX, face.bottom - 1 - depthY),
                              QPoint(right + depthX, face.top - depthY), QPoint(right, face.top)}));
                painter.setBrush(ColourFromRef(ShadeColour(colour, 10)));
                painter.drawPolygon(QPolygon({QPoint(face.left, face.top), QPoint(right, face.top),
                                              QPoint(right + depthX, face.top - depthY),
                                              QPoint(face.left + depthX, face.top - depthY)}));
            }
        }
    }
}

// Light colours stay readable on the legend box: their text is darkened,
// while the swatch beside it shows the bar's own colour.
std::uint32_t ReadableOnLegend(std::uint32_t colour) {
    const double luminance =
        0.299 * (colour & 0xFF) + 0.587 * ((colour >> 8) & 0xFF) + 0.114 * ((colour >> 16) & 0xFF);
    return luminance > 150 ? ShadeColour(colour, 50) : colour;
}

void PaintLegend(QPainter& painter, const ChartContent& content, const ChartGeometry& g,
                 const ChartFonts& fonts, bool printing, int lineWidth) {
    const QRect box = LegendBox(content, g.area, fonts, painter.device());
    if (box.isEmpty()) return;
    const int th = fonts.legendHeight;
    const double lineHeight = 1.2 * th;
    const int swatch = Trunc(0.7 * th);
    const int swatchSpace = th;
    painter.setPen(SolidPen(kOutline, lineWidth));
    painter.setBrush(printing ? QColor(Qt::white) : ColourFromRef(kLegendBox));
    painter.drawRect(box);
    painter.setFont(fonts.legend);
    const QRect inside = box.adjusted(th, th, -th, -th);
    double y = inside.top();
    for (int s = 0; s < content.Slots(); ++s) {
        const ChartContent::Slot& slot = content.SlotAt(s);
        if (slot.label.empty()) continue;
        const int top = Trunc(y + (lineHeight - swatch) / 2);
        painter.setPen(SolidPen(ShadeColour(slot.colour, 30), lineWidth));
        painter.setBrush(ColourFromRef(slot.colour));
        painter.drawRect(QRect(inside.left(), top, swatch - 1, swatch - 1));
        painter.setPen(ColourFromRef(ReadableOnLegend(slot.colour)));
        painter.drawText(QRect(inside.left() + swatchSpace, Trunc(y), inside.width() - swatchSpace,
                               Trunc(lineHeight)),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         FromBytes(slot.label));
        y += lineHeight;
    }
}

}  // namespace

QRect LegendBox(const ChartContent& content, const ChartRect& area, const ChartFonts& fonts,
                const QPaintDevice* device) {
    const QFontMetrics metrics(fonts.legend, device);
    const int th = fonts.legendHeight;
    int widest = 0;
    int labels = 0;
    for (int s = 0; s < content.Slots(); ++s) {
        const std::string& label = content.SlotAt(s).label;
        if (label.empty()) continue;
        widest = std::max(widest, metrics.horizontalAdvance(FromBytes(label)));
        ++labels;
    }
    if (labels == 0) return {};
    // A swatch of the bar's colour, a line high, before every label.
    const int swatchSpace = th;
    return QRect(QPoint(area.right - 3 * th - swatchSpace - widest, area.top + th),
                 QPoint(area.right - th - 1, Trunc(area.top + 3 * th + labels * 1.2 * th) - 1));
}

ChartFonts ChartFontsFor(int width, const QPaintDevice* device) {
    const double dpi = device ? device->logicalDpiY() : kScreenDpi;
    const double scale = dpi > 0 ? dpi / kScreenDpi : 1.0;
    ChartFonts fonts;
    fonts.text = QFont(QStringLiteral("Sans Serif"));
    fonts.legend = fonts.text;
    // Width / 10 tenths of a point for the text, width / 8 for the legend.
    fonts.text.setPointSizeF(std::max(1.0, width / 100.0 / scale));
    fonts.legend.setPointSizeF(std::max(1.0, width / 80.0 / scale));
    // The height of a line of text, "fgH" with its ascender and descender.
    fonts.textHeight = QFontMetrics(fonts.text, device).height();
    fonts.legendHeight = QFontMetrics(fonts.legend, device).height();
    return fonts;
}

void PaintChart(QPainter& painter, const ChartContent& content, const ChartLayout& layout,
                const ChartFonts& fonts, bool printing,
                const std::function<QString(double)>& formatValue) {
    painter.save();
    const ChartRect& area = layout.geometry.area;
    painter.setClipRect(QRect(area.left, area.top, area.Width(), area.Height()));
    const int lineWidth = LineWidth(painter.device());
    PaintWalls(painter, content, layout, fonts, printing, lineWidth);
    PaintGrid(painter, layout, fonts, lineWidth, formatValue);
    PaintBars(painter, content, layout, lineWidth);
    PaintLegend(painter, content, layout.geometry, fonts, printing, lineWidth);
    painter.restore();
}

}  // namespace kadenzo
