#pragma once

#include <optional>

namespace kadenzo {

// Resting heart rate where the body data give none, in beats per minute.
inline constexpr double kDefaultRestingHeartRate = 60.0;

// Banister's training impulse of `minutes` at `heartRate`:
// minutes × r × 0.64 × e^(1.92 r), with r = (heartRate − rest) / (max − rest)
// limited to 0 … 1. Nothing when max is not above rest, or when a figure is
// not a number: such a workout cannot be rated.
std::optional<double> TrainingImpulse(double minutes, double heartRate, double rest, double max);

}  // namespace kadenzo
