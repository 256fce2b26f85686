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

bool ReadDecimalField(const std::string& text, double& value) {
    const std::string normal = NormaliseDecimalComma(text);
    std::size_t used = 0;
    const double read = ParseLeadingNumber(normal, &used);
    if (used == 0 || !std::isfinite(read)) return false;
    for (std::size_t i = used; i < normal.size(); ++i)
        if (normal[i] != ' ' && normal[i] != '\t') return false;
    value = read;
    return true;
}

}  // namespace kadenzo
