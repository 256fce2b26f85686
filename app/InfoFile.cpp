#include "InfoFile.h"

#include <algorithm>
#include <cstddef>

namespace kadenzo {
namespace {

struct Number {
    std::int32_t value = 0;
    std::size_t end = 0;  // first character after the number
    bool hasDigits = false;
};

// White space as strtol skips it before a number.
bool IsLeadingSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// strtol, base 10, with a 32-bit long, that never reads past the end: white
// space, an optional sign, digits; out-of-range values stick at the limit.
// Without digits the value is 0 and the number ends where it began.
Number ReadNumber(std::string_view text, std::size_t pos) {
    std::size_t i = std::min(pos, text.size());
    while (i < text.size() && IsLeadingSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t kCap = std::int64_t{1} << 32;  // beyond either limit
    std::int64_t magnitude = 0;
    bool digits = false;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        digits = true;
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), kCap);
    }
    if (!digits) return {0, pos, false};
    const std::int64_t value = negative ? std::max<std::int64_t>(-magnitude, INT32_MIN)
                                        : std::min<std::int64_t>(magnitude, INT32_MAX);
    return {static_cast<std::int32_t>(value), i, true};
}

}  // namespace

std::optional<InfoFile> ParseInfoFile(std::string_view raw) {
    std::string text;
    text.reserve(raw.size());
    // Carriage returns stay: one after a number is that number's separator.
    for (const char c : raw) {
        if (c != ' ' && c != '\n' && c != '\t') text.push_back(c);
    }

    InfoFile info;
    std::size_t pos = 0;
    for (std::int32_t& part : info.version) {
        const Number number = ReadNumber(text, pos);
        if (!number.hasDigits) return std::nullopt;
        part = number.value;
        pos = number.end + 1;  // skip the one separator
    }
    if (pos >= text.size()) return info;

    const Number id = ReadNumber(text, pos);
    // The file's numbers were 32-bit longs; the page number is compared unsigned.
    info.infoId = static_cast<std::uint32_t>(id.value);
    if (id.end < text.size() && text[id.end] == ';') {
        const std::size_t start = id.end + 1;
        const std::size_t close = text.find(';', start);
        if (close != std::string::npos) info.pageAddress = text.substr(start, close - start);
    }
    return info;
}

bool IsWebAddress(std::string_view address) {
    const auto startsWith = [address](std::string_view prefix) {
        if (address.size() < prefix.size()) return false;
        return std::equal(prefix.begin(), prefix.end(), address.begin(), [](char lower, char c) {
            return (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == lower;
        });
    };
    std::size_t hostStart = 0;
    if (startsWith("http://")) {
        hostStart = 7;
    } else if (startsWith("https://")) {
        hostStart = 8;
    } else {
        return false;
    }
    const bool printable = std::all_of(address.begin(), address.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte > 0x20 && byte < 0x7F;
    });
    if (!printable) return false;
    const std::size_t hostEnd = address.find_first_of("/?#", hostStart);
    const std::string_view host = address.substr(
        hostStart, (hostEnd == std::string_view::npos ? address.size() : hostEnd) - hostStart);
    // "http://:80/" and "http://user@/" name no host.
    const std::size_t at = host.rfind('@');
    const std::string_view machine = at == std::string_view::npos ? host : host.substr(at + 1);
    return !machine.empty() && machine.front() != ':';
}

}  // namespace kadenzo
