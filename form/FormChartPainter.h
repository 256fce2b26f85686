#pragma once

#include <optional>

class QColor;
class QFont;
class QPaintDevice;
class QPainter;
class QPointF;
class QRectF;

namespace kadenzo {

struct FormChartData;
struct FormChartLayout;
struct FormChartTexts;
struct FormLegendLine;

struct FormChartDrawing {
    bool legend = false;           // the legend underneath (on paper)
    std::optional<int> markedDay;  // the keyboard's current day
};

// Draws a laid-out form chart with its top left corner at origin; reads the
// layout, changes nothing.
void DrawFormChart(QPainter& painter, const QPointF& origin, const FormChartLayout& layout,
                   const FormChartData& data, const FormChartTexts& texts,
                   const FormChartDrawing& drawing);

// The lines of text the drawn legend takes at that width, every fact
// wrapped whole, the keys two to a line.
int FormLegendLineCount(const QFont& font, QPaintDevice* device, const FormChartTexts& texts,
                        double width);

// The colour of the warnings, on paper and on the screen.
QColor FormWarningColour();

// The key of a legend line in box: a stroke of its line, a shade, a band's
// colour or a flag; nothing for a line without a key.
void DrawFormLegendKey(QPainter& painter, const QRectF& box, const FormLegendLine& line,
                       double penWidth);

}  // namespace kadenzo
