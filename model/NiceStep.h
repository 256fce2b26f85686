#pragma once

namespace kadenzo {

// The round step between two ticks of a chart axis, shared by the heart-rate
// chart and the analysis chart: 1, 2 or 5 times a power of ten, the next such
// value at or above |x| (with x's sign); 0 for 0 and for values that are not
// finite.
double NiceStep(double x);

}  // namespace kadenzo
