#include "NiceStep.h"

#include <cmath>

namespace kadenzo {

double NiceStep(double x) {
    if (!std::isfinite(x) || x == 0.0) return 0.0;
    if (x < 0.0) return -NiceStep(-x);
    const double p = std::pow(10.0, std::floor(std::log10(x)));
    const double m = x / p;
    if (m > 5.0) return 10.0 * p;
    if (m > 2.0) return 5.0 * p;
    if (m > 1.0) return 2.0 * p;
    return p;
}

}  // namespace kadenzo
