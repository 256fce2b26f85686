#include "Formats.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "DateTime.h"

namespace kadenzo {

std::string FormatDuration(double minutes, bool withSeconds) {
    if (!std::isfinite(minutes) || std::fabs(minutes) > 2.0e9) minutes = 0;
    int hours = static_cast<int>(minutes) / 60;
    double rest = minutes - hours * 60;
    int mins = static_cast<int>(std::floor(rest));
    int secs = static_cast<int>((rest - mins) * 60.0);
    char buffer[64];
    if (withSeconds)
        std::snprintf(buffer, sizeof buffer, "%i:%02i:%02i", hours, mins, secs);
    else
        std::snprintf(buffer, sizeof buffer, "%i:%02i", hours, mins);
    return buffer;
}

double ParseDuration(std::string_view text) {
    std::string s(text);  // strtod needs a terminated string
    const char* begin = s.c_str();
    char* end = nullptr;
    double number = std::strtod(begin, &end);
    if (*end != ':') return end == begin ? 0.0 : number;
    long hours = std::strtol(begin, nullptr, 10);
    const char* afterColon = end + 1;
    char* minutesEnd = nullptr;
    long mins = std::strtol(afterColon, &minutesEnd, 10);
    long secs = *minutesEnd == ':' ? std::strtol(minutesEnd + 1, nullptr, 10) : 0;
    return static_cast<double>(hours) * 60 + static_cast<double>(mins) +
           static_cast<double>(secs) * 0.016666666666666666;
}

double RoundDown(double value, int decimals) {
    double scale = std::pow(10.0, decimals);
    return std::floor(value * scale) / scale;
}

std::string FormatDate(int day, int month, int year) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02i.%02i.%04i", day, month, year);
    return buffer;
}

std::string FormatDate(const DateParts& date) {
    return FormatDate(date.day, date.month, date.year);
}

std::string NormaliseDecimalComma(std::string text) {
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == ',' && isDigit(text[i - 1]) && isDigit(text[i + 1])) text[i] = '.';
    }
    return text;
}

std::uint32_t ShadeColour(std::uint32_t colour, int percent) {
    std::uint32_t result = colour & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        int c = static_cast<int>((colour >> shift) & 0xFF);
        if (percent >= 1)
            c = static_cast<int>(c * (100 - percent) * 0.01);
        else
            c = c - static_cast<int>((255 - c) * percent * 0.01);
        c = c < 0 ? 0 : (c > 255 ? 255 : c);
        result |= static_cast<std::uint32_t>(c) << shift;
    }
    return result;
}

}  // namespace kadenzo
