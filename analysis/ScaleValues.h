#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kadenzo {

// The scale dialog's fields: the automatic flag, the number of divisions,
// a text carried along unchanged, and the value of one division.
struct ScaleValues {
    static constexpr int kMaxDivisions = 50;

    bool automatic = true;
    int divisions = 0;
    std::string text;
    double step = 0;
};

// The number of divisions as typed, read as a whole field: 0 to 50; nothing
// otherwise (the dialog then stays open).
std::optional<int> ParseDivisions(std::string_view text);
// The value of one division as typed, read as a decimal field: 0 or more.
std::optional<double> ParseStep(std::string_view text);
// A step as the field shows it: the shortest text that reads back the same.
std::string FormatStep(double step);

}  // namespace kadenzo
