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

// The number of divisions as typed: a whole number from 0 to 50, blanks
// around it allowed; nothing otherwise (the dialog then stays open).
std::optional<int> ParseDivisions(std::string_view text);
// The value of one division as typed, a decimal comma read as a point: a
// finite number of 0 or more, read the same under every locale.
std::optional<double> ParseStep(std::string_view text);
// A step as the field shows it: the shortest text that reads back the same.
std::string FormatStep(double step);

}  // namespace kadenzo
