#include "AdoField.h"

#include <charconv>
#include <cmath>
#include <ctime>
#include <limits>
#include <string_view>

namespace kadenzo {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

bool ValidDate(const FieldDate& d) {
    return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= 31 && d.hour >= 0 &&
           d.hour < 24 && d.minute >= 0 && d.minute < 60 && d.second >= 0 && d.second < 62;
}

std::string FormatDate(const FieldDate& d, const char* format) {
    std::tm tm{};
    tm.tm_year = d.year - 1900;
    tm.tm_mon = d.month - 1;
    tm.tm_mday = d.day;
    tm.tm_hour = d.hour;
    tm.tm_min = d.minute;
    tm.tm_sec = d.second;
    if (ValidDate(d)) {
        const std::int64_t days =
            DaysFromCivil(d.year, static_cast<unsigned>(d.month), static_cast<unsigned>(d.day));
        tm.tm_wday = static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
        tm.tm_yday = static_cast<int>(days - DaysFromCivil(d.year, 1, 1));
    }
    // strftime gives 0 both for "too small" and for an empty result; a short
    // format cannot need more than the last buffer.
    for (std::size_t size : {64u, 1024u, 16384u}) {
        std::string buffer(size, '\0');
        const std::size_t n = std::strftime(buffer.data(), buffer.size(), format, &tm);
        if (n > 0) return buffer.substr(0, n);
    }
    return {};
}

std::string Digits(double value, int significant) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::general, significant);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    return s;
}

bool ParseDouble(std::string_view text, double& out) {
    text = Trim(text);
    if (text.empty()) return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

// A value in [INT32_MIN, UINT32_MAX] as its 32-bit pattern.
bool To32Bits(std::int64_t value, std::int32_t& out) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::uint32_t>::max())
        return false;
    out = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return true;
}

bool RoundTo32Bits(double value, std::int32_t& out) {
    if (!std::isfinite(value)) return false;
    const double rounded = std::nearbyint(value);  // ties to even, as variant conversions do
    if (rounded < -2147483648.0 || rounded > 4294967295.0) return false;
    return To32Bits(static_cast<std::int64_t>(rounded), out);
}

}  // namespace

double DateToOleDate(const FieldDate& date) {
    const double days =
        static_cast<double>(DaysFromCivil(date.year, static_cast<unsigned>(date.month),
                                          static_cast<unsigned>(date.day)) -
                            DaysFromCivil(1899, 12, 30));
    const double fraction = (date.hour * 3600.0 + date.minute * 60.0 + date.second) / 86400.0;
    // Before the epoch the fraction still counts forward from midnight.
    return days < 0 ? days - fraction : days + fraction;
}

FieldRead FieldAsText(const CADOField& field, std::string& out, const char* dateFormat) {
    out.clear();
    switch (field.kind) {
        case FieldKind::Null:
            return FieldRead::Ok;
        case FieldKind::Byte:
        case FieldKind::Int16:
        case FieldKind::Int32:
            out = std::to_string(field.integer);
            return FieldRead::Ok;
        case FieldKind::Single:
            out = Digits(field.real, 10);
            return FieldRead::Ok;
        case FieldKind::Double:
            out = Digits(field.real, 20);
            return FieldRead::Ok;
        case FieldKind::Date:
            out = FormatDate(field.date, dateFormat ? dateFormat : kDefaultDateFormat);
            return FieldRead::Ok;
        case FieldKind::Text:
            out = field.text;
            return FieldRead::Ok;
        default:
            return FieldRead::Mismatch;
    }
}

FieldRead FieldAsInt16(const CADOField& field, std::int32_t& out) {
    out = 0;
    switch (field.kind) {
        case FieldKind::Null:
            return FieldRead::Ok;
        case FieldKind::Bit:
        case FieldKind::Byte:
        case FieldKind::Int16:
            out = static_cast<std::int16_t>(static_cast<std::uint16_t>(field.integer & 0xFFFF));
            return FieldRead::Ok;
        default:
            return FieldRead::Mismatch;
    }
}

namespace {

// A field read as a number: whole numbers exactly, the rest as a double.
struct FieldNumber {
    bool empty = true;  // null, or a text of blanks: an empty value
    bool whole = false;
    std::int64_t integer = 0;
    double real = 0;
};

// False for a kind or a text that holds no number.
bool ReadNumber(const CADOField& field, FieldNumber& number) {
    switch (field.kind) {
        case FieldKind::Null:
            return true;
        case FieldKind::Bit:
        case FieldKind::Byte:
        case FieldKind::Int16:
        case FieldKind::Int32:
        case FieldKind::Int64:
            number = {false, true, field.integer, 0};
            return true;
        case FieldKind::Single:
        case FieldKind::Double:
        case FieldKind::Decimal:
            number = {false, false, 0, field.real};
            return true;
        case FieldKind::Date:
            number = {false, false, 0, DateToOleDate(field.date)};
            return true;
        case FieldKind::Text: {
            // Some drivers hand out numeric columns as text.
            const std::string_view text = Trim(field.text);
            if (text.empty()) return true;
            std::int64_t value = 0;
            auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
            if (ec == std::errc() && end == text.data() + text.size()) {
                number = {false, true, value, 0};
                return true;
            }
            number = {false, false, 0, 0};
            return ParseDouble(text, number.real);
        }
        default:
            return false;
    }
}

}  // namespace

FieldRead FieldAsInt32(const CADOField& field, std::int32_t& out) {
    out = 0;
    FieldNumber number;
    if (!ReadNumber(field, number)) return FieldRead::Failed;
    if (number.empty) return FieldRead::Ok;
    const bool fits =
        number.whole ? To32Bits(number.integer, out) : RoundTo32Bits(number.real, out);
    return fits ? FieldRead::Ok : FieldRead::Failed;
}

FieldRead FieldAsDouble(const CADOField& field, double& out) {
    out = 0;
    FieldNumber number;
    if (!ReadNumber(field, number)) return FieldRead::Failed;
    if (!number.empty) out = number.whole ? static_cast<double>(number.integer) : number.real;
    return FieldRead::Ok;
}

}  // namespace kadenzo
