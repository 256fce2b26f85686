#include "RecordingTime.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "TextScan.h"

namespace kadenzo {
namespace {

// Keeps calendar fields where mktime's int arithmetic cannot overflow.
int CalendarField(long long value) {
    return static_cast<int>(std::clamp(value, -1000000LL, 1000000LL));
}

}  // namespace

std::int64_t LocalTimeToSeconds(long long year, long long month, long long day, long long hour,
                                long long minute, long long second) {
    std::tm fields{};
    fields.tm_year = CalendarField(year) - 1900;
    fields.tm_mon = CalendarField(month) - 1;
    fields.tm_mday = CalendarField(day);
    fields.tm_hour = CalendarField(hour);
    fields.tm_min = CalendarField(minute);
    fields.tm_sec = CalendarField(second);
    fields.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&fields));
}

std::int32_t ParseClock(std::string_view text) {
    ScannedDouble hours = ScanDouble(text, 0);
    ScannedDouble minutes = ScanDouble(text, hours.end + 1);
    ScannedDouble seconds = ScanDouble(text, minutes.end + 1);
    return TruncToInt32(hours.value * 3600.0 + minutes.value * 60.0 + seconds.value);
}

std::int64_t ParseDate(std::string_view text, const std::string_view* clockText) {
    std::string_view date = UntilNul(text).substr(0, 8);
    auto field = [&](std::size_t from, std::size_t length) -> long long {
        if (from >= date.size()) return 0;
        return ScanLong(date.substr(from, length)).value;
    };
    std::int64_t result = LocalTimeToSeconds(field(0, 4), field(4, 2), field(6, 2), 0, 0, 0);
    if (clockText) result += ParseClock(*clockText);
    return result;
}

}  // namespace kadenzo

namespace kadenzo {

std::string FormatLocalTime(std::int64_t seconds, const char* format) {
    std::time_t time = static_cast<std::time_t>(seconds);
    const std::tm* fields = std::localtime(&time);
    if (!fields) return {};
    char buffer[128];
    std::size_t length = std::strftime(buffer, sizeof buffer, format, fields);
    return std::string(buffer, length);
}

}  // namespace kadenzo

namespace kadenzo {
namespace {

// The decimal number of `length` digits at `from`, or -1 when one is missing.
int Digits(std::string_view text, std::size_t from, std::size_t length) {
    if (from + length > text.size()) return -1;
    int value = 0;
    for (std::size_t i = from; i < from + length; ++i) {
        if (!IsDigit(text[i])) return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r\n";
    std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

}  // namespace

std::optional<std::int64_t> ParseIsoTime(std::string_view text) {
    text = Trimmed(text);
    const int year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
    const int hour = Digits(text, 11, 2), minute = Digits(text, 14, 2),
              second = Digits(text, 17, 2);
    if (year < 0 || month < 0 || day < 0 || hour < 0 || minute < 0 || second < 0)
        return std::nullopt;
    if (text[4] != '-' || text[7] != '-' || (text[10] != 'T' && text[10] != 't') ||
        text[13] != ':' || text[16] != ':')
        return std::nullopt;
    std::size_t pos = 19;
    if (pos < text.size() && (text[pos] == '.' || text[pos] == ',')) {
        const std::size_t digits = ++pos;
        while (pos < text.size() && IsDigit(text[pos])) ++pos;
        if (pos == digits) return std::nullopt;
    }
    int zoneSeconds = 0;
    if (pos < text.size() && (text[pos] == 'Z' || text[pos] == 'z')) {
        ++pos;
    } else if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        const int sign = text[pos] == '-' ? -1 : 1;
        const int zoneHours = Digits(text, pos + 1, 2);
        pos += 3;
        if (pos < text.size() && text[pos] == ':') ++pos;
        const int zoneMinutes = Digits(text, pos, 2);
        pos += 2;
        if (zoneHours < 0 || zoneHours > 23 || zoneMinutes < 0 || zoneMinutes > 59)
            return std::nullopt;
        zoneSeconds = sign * (zoneHours * 3600 + zoneMinutes * 60);
    }
    if (pos != text.size()) return std::nullopt;

    const std::chrono::year_month_day date{std::chrono::year(year),
                                           std::chrono::month(static_cast<unsigned>(month)),
                                           std::chrono::day(static_cast<unsigned>(day))};
    // A leap second (:60) counts as the second after :59.
    if (!date.ok() || hour > 23 || minute > 59 || second > 60) return std::nullopt;
    const std::int64_t days = std::chrono::sys_days(date).time_since_epoch().count();
    return days * 86400 + hour * 3600 + minute * 60 + second - zoneSeconds;
}

}  // namespace kadenzo
