#include "PrintFontSearch.h"

namespace kadenzo {

std::string WidestLabelLine(const std::vector<std::string>& labels,
                            const std::function<double(const std::string&)>& width) {
    std::string widest;
    double widestWidth = -1;
    for (const std::string& label : labels) {
        std::size_t begin = 0;
        while (begin <= label.size()) {
            std::size_t end = label.find('\n', begin);
            if (end == std::string::npos) end = label.size();
            std::string line = label.substr(begin, end - begin);
            double w = width(line);
            if (w > widestWidth) {
                widestWidth = w;
                widest = std::move(line);
            }
            begin = end + 1;
        }
    }
    return widestWidth < 0 ? std::string(kLabelSampleLine) : widest;
}

double ChooseLabelPointSize(const std::function<LineExtent(double points)>& measure,
                            double boxWidth, double boxHeight) {
    // Counted in half points so that the steps are exact.
    for (int halves = static_cast<int>(kLargestLabelPoints * 2);
         halves >= static_cast<int>(kSmallestLabelPoints * 2); --halves) {
        const double points = halves / 2.0;
        const LineExtent e = measure(points);
        if (e.width <= boxWidth && 6 * e.height <= boxHeight) return points;
    }
    return kSmallestLabelPoints;
}

}  // namespace kadenzo
