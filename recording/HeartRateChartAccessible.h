#pragma once

namespace kadenzo {

// Lets assistive technology see the heart-rate chart: the chart with the
// marked section's summary as its description, and its two markers as
// sliders over the seconds from the recording's start, which move the
// markers as the arrow keys do. Installs once, however often it is called.
void InstallHeartRateChartAccessible();

}  // namespace kadenzo
