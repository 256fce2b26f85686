#include "TrainingLoad.h"

#include <algorithm>
#include <cmath>

namespace kadenzo {

std::optional<double> TrainingImpulse(double minutes, double heartRate, double rest, double max) {
    if (!(max > rest) || std::isnan(heartRate) || std::isnan(minutes)) return std::nullopt;
    const double r = std::clamp((heartRate - rest) / (max - rest), 0.0, 1.0);
    return minutes * r * 0.64 * std::exp(1.92 * r);
}

}  // namespace kadenzo
