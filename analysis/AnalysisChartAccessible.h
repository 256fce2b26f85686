#pragma once

namespace kadenzo {

// Lets assistive technology read the analysis chart as a table: a row per
// period, a column per bar, each cell the bar's sum as the chart writes it;
// the chart's description says what it shows. Installs once, however often
// it is called.
void InstallAnalysisChartAccessible();

}  // namespace kadenzo
