#include "RecordingTime.h"

#include <algorithm>
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
