#pragma once

class QPainter;
class QPointF;

namespace kadenzo {

struct FormChartData;
struct FormChartLayout;
struct FormChartTexts;

// Draws a laid-out form chart with its top left corner at origin; reads the
// layout, changes nothing.
void DrawFormChart(QPainter& painter, const QPointF& origin, const FormChartLayout& layout,
                   const FormChartData& data, const FormChartTexts& texts);

}  // namespace kadenzo
