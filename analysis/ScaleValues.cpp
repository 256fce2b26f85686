#include "ScaleValues.h"

#include <charconv>

#include "DecimalField.h"

namespace kadenzo {

std::optional<int> ParseDivisions(std::string_view text) {
    const std::optional<int> value = ReadWholeField<int>(text);
    if (!value || *value < 0 || *value > ScaleValues::kMaxDivisions) return std::nullopt;
    return value;
}

std::optional<double> ParseStep(std::string_view text) {
    const std::optional<double> value = ReadDecimalField(text);
    if (!value || *value < 0) return std::nullopt;
    return value;
}

std::string FormatStep(double step) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, step);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("0");
}

}  // namespace kadenzo
