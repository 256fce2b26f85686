#pragma once

#include <string>

namespace kadenzo {

// Decimal numbers in the fields of the dialogs and pages, the same under
// every locale.

// Up to 15 significant digits without trailing zeros ("12.5", "154.35", "0"),
// so that a value that went through a unit factor does not show the factor's
// last digits.
std::string FormatDecimalField(double value);
// The value rounded to `decimals` places, the precision of its field, without
// trailing zeros ("72.79", "70"), for a value that went through a unit factor.
std::string FormatDecimalField(double value, int decimals);

// Blanks around one decimal number, nothing else; a comma between two digits
// reads as a point ("72,5"). False, with value unchanged, for an empty field,
// letters, or a number too large to hold.
bool ReadDecimalField(const std::string& text, double& value);

}  // namespace kadenzo
