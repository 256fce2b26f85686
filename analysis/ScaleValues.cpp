#include "ScaleValues.h"

#include <charconv>
#include <cmath>

#include "Formats.h"

namespace kadenzo {
namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<int> ParseDivisions(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    if (value < 0 || value > ScaleValues::kMaxDivisions) return std::nullopt;
    return value;
}

std::optional<double> ParseStep(std::string_view text) {
    const std::string normalised = NormaliseDecimalComma(std::string(Trimmed(text)));
    std::string_view number = normalised;
    if (!number.empty() && number.front() == '+') number.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::general);
    if (number.empty() || error != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    if (!std::isfinite(value) || value < 0) return std::nullopt;
    return value;
}

std::string FormatStep(double step) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, step);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("0");
}

}  // namespace kadenzo
