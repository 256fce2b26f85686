#include "DecimalField.h"

#include <charconv>
#include <cmath>

#include "Formats.h"

namespace kadenzo {

std::string FormatDecimalField(double value) {
    if (!std::isfinite(value) || value == 0) return "0";
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return error == std::errc() ? std::string(buffer, end) : "0";
}

std::string FormatDecimalField(double value, int decimals) {
    std::string text = FormatFixed(value, decimals);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

std::string_view TrimFieldBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<double> ReadDecimalField(std::string_view text) {
    const std::string normal = NormaliseDecimalComma(std::string(TrimFieldBlanks(text)));
    std::size_t used = 0;
    const double value = ParseLeadingNumber(normal, &used);
    if (used == 0 || used != normal.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

double ReadFigureField(std::string_view text) {
    if (TrimFieldBlanks(text).empty()) return 0;
    return ReadDecimalField(text).value_or(std::nan(""));
}

}  // namespace kadenzo
