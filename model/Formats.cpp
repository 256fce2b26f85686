#include "Formats.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <locale.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "DateTime.h"

namespace kadenzo {

std::string FormatDuration(double minutes, bool withSeconds) {
    if (!std::isfinite(minutes) || std::fabs(minutes) > 2.0e9) minutes = 0;
    // Seconds held in minutes come out a hair short (6112 s is 101.8666...
    // minutes, whose seconds are 51.99999...), so the duration is taken to
    // the nearest millisecond before hours, minutes and seconds are cut.
    const long long milliseconds = std::llround(minutes * 60000.0);
    const long long whole = milliseconds < 0 ? -milliseconds : milliseconds;
    const long long hours = whole / 3600000;
    const long long mins = whole / 60000 % 60;
    const long long secs = whole / 1000 % 60;
    const char* sign = milliseconds < 0 ? "-" : "";
    char buffer[64];
    if (withSeconds)
        std::snprintf(buffer, sizeof buffer, "%s%lld:%02lld:%02lld", sign, hours, mins, secs);
    else
        std::snprintf(buffer, sizeof buffer, "%s%lld:%02lld", sign, hours, mins);
    return buffer;
}

long long ShownMinutes(double minutes) {
    if (!std::isfinite(minutes) || std::fabs(minutes) > 1.0e12) return 0;
    const long long milliseconds = std::llround(minutes * 60000.0);
    return milliseconds / 60000;
}

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The leading whole number (strtol in base 10), saturating; 0 without one.
long LeadingWhole(std::string_view text, std::size_t* used) {
    std::size_t p = 0;
    while (p < text.size() && IsSpace(text[p])) ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
    long value = 0;
    const std::size_t digits = p;
    for (; p < text.size() && text[p] >= '0' && text[p] <= '9'; ++p)
        value = value > 100000000L ? value : value * 10 + (text[p] - '0');
    if (used) *used = p > digits ? p : 0;
    return negative ? -value : value;
}

}  // namespace

double ParseLeadingNumber(std::string_view text, std::size_t* used) {
    std::size_t p = 0;
    while (p < text.size() && IsSpace(text[p])) ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
    // from_chars would take a second sign ("--1"), which strtod refuses.
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        if (used) *used = 0;
        return 0.0;
    }
    double value = 0;
    // from_chars reads the "C" locale's form and nothing else.
    const auto [end, error] = std::from_chars(text.data() + p, text.data() + text.size(), value,
                                              std::chars_format::general);
    const std::size_t after = static_cast<std::size_t>(end - text.data());
    if (after == p) {
        if (used) *used = 0;
        return 0.0;
    }
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: strtod's answer (infinity or
        // 0), read in the "C" locale whatever the process's locale.
        static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
        const std::string number(text.substr(p, after - p));
        value = cLocale ? strtod_l(number.c_str(), nullptr, cLocale) : 0.0;
    }
    if (used) *used = after;
    return negative ? -value : value;
}

double ParseDuration(std::string_view text) {
    std::size_t used = 0;
    const double number = ParseLeadingNumber(text, &used);
    if (used >= text.size() || text[used] != ':') return number;
    // "h:mm" or "h:mm:ss": whole numbers around the colons.
    const long hours = LeadingWhole(text, nullptr);
    const std::string_view afterColon = text.substr(used + 1);
    std::size_t minutesUsed = 0;
    const long mins = LeadingWhole(afterColon, &minutesUsed);
    long secs = 0;
    if (minutesUsed < afterColon.size() && afterColon[minutesUsed] == ':')
        secs = LeadingWhole(afterColon.substr(minutesUsed + 1), nullptr);
    return static_cast<double>(hours) * 60 + static_cast<double>(mins) +
           static_cast<double>(secs) * 0.016666666666666666;
}

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) return "0";
    char buffer[400];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                            std::chars_format::fixed, std::clamp(decimals, 0, 20));
    if (error != std::errc()) return "0";
    return std::string(buffer, end);
}

std::string WithPointDecimal(std::string printed) {
    const char* point = std::localeconv()->decimal_point;
    if (!point || !*point || std::string_view(point) == ".") return printed;
    const std::string_view localPoint(point);
    std::string result;
    result.reserve(printed.size());
    for (std::size_t i = 0; i < printed.size();) {
        if (std::string_view(printed).substr(i, localPoint.size()) == localPoint) {
            result += '.';
            i += localPoint.size();
        } else {
            result += printed[i++];
        }
    }
    return result;
}

double RoundDown(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    // 10.12 * 100 is 1011.9999999999999 in binary: a product that misses a
    // whole number by no more than that error counts as the whole number.
    const double whole = std::round(scaled);
    if (std::abs(scaled - whole) <= 1e-9 * std::max(1.0, std::abs(scaled))) return whole / scale;
    return std::floor(scaled) / scale;
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
