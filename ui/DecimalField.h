#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

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

// How every number field reads what was typed, the same under every locale:
// blanks (spaces, tabs) around the number are ignored, a comma between two
// digits reads as a point ("72,5"), and the number fills the field: a sign,
// digits with at most one point, and an exponent ("1e3") as C writes numbers.
// An empty field, letters, a unit ("12 km"), a second number or a number too
// large for a double are no number. A whole field takes a sign and digits
// only, so that "1,000" or "1.5" is no whole number rather than 1.
std::optional<double> ReadDecimalField(std::string_view text);
template <class T>
std::optional<T> ReadWholeField(std::string_view text);

// A figure that may be left empty (a distance, a heart rate): an empty or
// blank field is 0, one that holds no number is NaN, which no FieldRange
// holds, so that the field is refused instead of taken as 0.
double ReadFigureField(std::string_view text);

// The blanks ReadDecimalField ignores, trimmed off both ends.
std::string_view TrimFieldBlanks(std::string_view text);

template <class T>
std::optional<T> ReadWholeField(std::string_view text) {
    text = TrimFieldBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    // from_chars takes a minus itself (none for an unsigned T), but no plus.
    if (text.empty() || text.front() == '+') return std::nullopt;
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace kadenzo
