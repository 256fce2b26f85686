#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kadenzo {

// The label font search starts at 19.5 points and goes down in half points;
// below 6 points nothing is readable, so the search stops there and takes 6.
constexpr double kLargestLabelPoints = 19.5;
constexpr double kSmallestLabelPoints = 6.0;

// The sample line when the print range holds no workout.
inline constexpr const char* kLabelSampleLine = "Extensives Fahrtspiel (Rad)";

// The widest single line of the labels (split at "\n"), measured by the given
// function; the sample line when there are no labels.
std::string WidestLabelLine(const std::vector<std::string>& labels,
                            const std::function<double(const std::string&)>& width);

struct LineExtent {
    double width = 0;
    double height = 0;
};

// The first size from 19.5 points down at which the line fits the width and
// six lines fit the height; 6 points when none does.
double ChooseLabelPointSize(const std::function<LineExtent(double points)>& measure,
                            double boxWidth, double boxHeight);

}  // namespace kadenzo
