#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <functional>

#include "ChartContent.h"
#include "ChartGeometry.h"

class QPainter;
class QPaintDevice;

namespace kadenzo {

// The two fonts of the chart. Their size follows the width of the drawing
// rectangle (the text a tenth of a point per ten pixels of a screen, the
// legend a quarter larger), counted in screen pixels on every device, so a
// printed chart has the proportions of the one on the screen.
struct ChartFonts {
    QFont text;
    QFont legend;
    int textHeight = 0;  // of "fgH" in the text font
    int legendHeight = 0;
};
ChartFonts ChartFontsFor(int width, const QPaintDevice* device);

// The legend box in the top right corner of the drawing rectangle; empty when
// no slot has a label.
QRect LegendBox(const ChartContent& content, const ChartRect& area, const ChartFonts& fonts,
                const QPaintDevice* device);

// Draws the chart: floor and walls, period labels, grid and value labels,
// the bars of shaded layers and the legend. On paper the back wall stays
// white and the legend has no grey box.
void PaintChart(QPainter& painter, const ChartContent& content, const ChartLayout& layout,
                const ChartFonts& fonts, bool printing,
                const std::function<QString(double)>& formatValue);

}  // namespace kadenzo
