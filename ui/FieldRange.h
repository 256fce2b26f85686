#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "StringTable.h"

namespace kadenzo {

// What a figure field of a dialog or page may take: the values its record
// field can hold (a heart rate fits 8 bits, a duration or distance is not
// negative), in the unit the field shows. The dialog refuses anything else
// with RangeMessage and stays open on the field.
struct FieldRange {
    std::uint32_t nameId;  // the field's name in messages
    double min;
    double max;
    bool whole;  // only whole numbers

    // False for NaN and for values outside [min, max] or, for a whole range,
    // with a fraction.
    bool Holds(double value) const;
};

// The largest decimal figure (a distance, a duration in minutes, a weight):
// a hundredth of it still shows exactly and its duration still formats.
inline constexpr double kLargestFigure = 1e9;

// "Average heart rate must be a whole number from 0 to 255."
std::string RangeMessage(const FieldRange& range, const StringTable& texts);

// The value of a field's text when it is one number (as ReadDecimalField or,
// for a whole range, ReadWholeField reads it) that the range holds; nothing
// otherwise.
std::optional<double> ReadRangeField(const std::string& text, const FieldRange& range);

}  // namespace kadenzo
