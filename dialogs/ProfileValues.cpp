#include "ProfileValues.h"

#include <limits>

#include "DateTime.h"

namespace kadenzo {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max() ||
        value < std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> WithBirthDay(std::int32_t birthDate, int year, int month, int day) {
    DateParts parts;
    if (std::optional<DateParts> old = LocalFromTimeStamp(birthDate)) parts = *old;
    parts.year = year;
    parts.month = month;
    parts.day = day;
    return TimeStampFromLocal(parts);
}

}  // namespace kadenzo
