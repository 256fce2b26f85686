#pragma once

#include <QString>

namespace kadenzo {

class CFormChart;

// The form chart as assistive technology sees it: a table of the days shown,
// one row each with date, load, fitness, fatigue and form, rounded as the
// legend shows them; named by the chart, described by its range and today's
// figures (the chart's accessible name and description, set by the view).

// Makes Qt's accessibility ask for the chart's interface (once per program).
void InstallFormChartAccessible();

// The text of a cell (row = day index in the range, column 0 to 4).
QString FormCellText(const CFormChart& chart, int row, int column);

}  // namespace kadenzo
