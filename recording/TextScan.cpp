#include "TextScan.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

namespace kadenzo {
namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Whether a character after a run of digits could continue the number, so the
// fast integer path has to hand over to the full parser.
bool ContinuesNumber(char c) {
    return IsDigit(c) || c == '.' || c == 'e' || c == 'E' || c == 'x' || c == 'X';
}

std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
    constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / 4;
    std::int64_t sum = a + b;  // both stay within +-kLimit, so this cannot overflow
    if (sum > kLimit) return kLimit;
    if (sum < -kLimit) return -kLimit;
    return sum;
}

// For a decimal number that from_chars found out of range: whether it is too
// large (true) or too small (false). Estimates the decimal exponent of the
// first significant digit.
bool DecimalOverflows(std::string_view number) {
    std::int64_t position = 0;  // decimal exponent of the first significant digit, + 1
    bool significant = false;
    bool afterPoint = false;
    std::size_t i = 0;
    for (; i < number.size(); ++i) {
        char c = number[i];
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        if (!IsDigit(c)) break;
        if (!significant && c != '0') significant = true;
        if (significant && !afterPoint) position = SaturatingAdd(position, 1);
        if (!significant && afterPoint) position = SaturatingAdd(position, -1);
    }
    std::int64_t exponent = 0;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        exponent = std::clamp<std::int64_t>(ScanLong(number, i + 1).value, -(1LL << 40), 1LL << 40);
    }
    return SaturatingAdd(position, exponent) > 0;
}

}  // namespace

ScannedDouble ScanDouble(std::string_view text, std::size_t from) {
    ScannedDouble none{0.0, from};
    const std::size_t n = text.size();
    std::size_t p = from;
    while (p < n && IsSpace(text[p])) ++p;
    bool negative = false;
    if (p < n && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
    }
    if (p >= n) return none;

    // Fast path: a plain integer, by far the most common number in recordings.
    std::size_t q = p;
    std::uint64_t digits = 0;
    while (q < n && IsDigit(text[q]) && q - p < 18) digits = digits * 10 + (text[q++] - '0');
    if (q > p && (q == n || !ContinuesNumber(text[q]))) {
        double value = static_cast<double>(digits);
        return {negative ? -value : value, q};
    }

    const char* base = text.data();
    double value = 0.0;
    if (text[p] == '0' && p + 1 < n && (text[p + 1] == 'x' || text[p + 1] == 'X')) {
        std::size_t h = p + 2;
        bool hasDigits = h < n && (IsHexDigit(text[h]) ||
                                   (text[h] == '.' && h + 1 < n && IsHexDigit(text[h + 1])));
        if (!hasDigits) return {negative ? -0.0 : 0.0, p + 1};  // just the "0"
        auto result = std::from_chars(base + h, base + n, value, std::chars_format::hex);
        std::size_t end = static_cast<std::size_t>(result.ptr - base);
        if (result.ec == std::errc::result_out_of_range) {
            std::string_view number = text.substr(h, end - h);
            bool tiny = number.find("p-") != std::string_view::npos ||
                        number.find("P-") != std::string_view::npos;
            value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
        } else if (result.ec != std::errc()) {
            return {negative ? -0.0 : 0.0, p + 1};
        }
        return {negative ? -value : value, end};
    }

    if (text[p] == '-' || text[p] == '+') return none;  // from_chars would take a second sign
    auto result = std::from_chars(base + p, base + n, value, std::chars_format::general);
    if (result.ec == std::errc::invalid_argument) return none;
    std::size_t end = static_cast<std::size_t>(result.ptr - base);
    if (result.ec == std::errc::result_out_of_range)
        value = DecimalOverflows(text.substr(p, end - p)) ? std::numeric_limits<double>::infinity()
                                                          : 0.0;
    return {negative ? -value : value, end};
}

ScannedLong ScanLong(std::string_view text, std::size_t from) {
    ScannedLong none{0, from};
    const std::size_t n = text.size();
    std::size_t p = from;
    while (p < n && IsSpace(text[p])) ++p;
    bool negative = false;
    if (p < n && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
    }
    if (p >= n || !IsDigit(text[p])) return none;
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    bool overflow = false;
    for (; p < n && IsDigit(text[p]); ++p) {
        int d = text[p] - '0';
        if (value > (kMax - d) / 10) overflow = true;
        if (!overflow) value = value * 10 + d;
    }
    if (overflow) return {negative ? std::numeric_limits<std::int64_t>::min() : kMax, p};
    return {negative ? -value : value, p};
}

std::string_view UntilNul(std::string_view line) {
    std::size_t nul = line.find('\0');
    return nul == std::string_view::npos ? line : line.substr(0, nul);
}

std::int32_t TruncToInt32(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::int32_t ClampToInt32(std::int64_t value) {
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

bool LineReader::Next(std::string_view& line) {
    if (pos_ >= data_.size()) return false;
    std::size_t limit = std::min(data_.size() - pos_, kMaxLine);
    const char* start = data_.data() + pos_;
    const void* newline = std::memchr(start, '\n', limit);
    std::size_t length =
        newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - start) + 1 : limit;
    line = data_.substr(pos_, length);
    pos_ += length;
    return true;
}

bool LineReader::Skip() {
    std::string_view ignored;
    return Next(ignored);
}

}  // namespace kadenzo
