#include "DateNames.h"

#include <cstdio>
#include <optional>

#include "DateTime.h"
#include "StringTable.h"

namespace kadenzo {
namespace {

template <std::size_t N>
void Fill(std::array<std::string, N>& names, const std::string& list) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < N && start <= list.size(); ++i) {
        std::size_t end = list.find('|', start);
        if (end == std::string::npos) end = list.size();
        if (end > start) names[i] = list.substr(start, end - start);
        start = end + 1;
    }
}

std::string Number(int value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", digits, value);
    return buffer;
}

template <std::size_t N>
const std::string& Pick(const std::array<std::string, N>& names, int index) {
    static const std::string none;
    return index >= 0 && static_cast<std::size_t>(index) < N
               ? names[static_cast<std::size_t>(index)]
               : none;
}

}  // namespace

DateNames DateNames::From(const StringTable& texts) {
    DateNames names;
    Fill(names.shortDays, "Mon|Tue|Wed|Thu|Fri|Sat|Sun");
    Fill(names.days, "Monday|Tuesday|Wednesday|Thursday|Friday|Saturday|Sunday");
    Fill(names.shortMonths, "Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec");
    Fill(names.months,
         "January|February|March|April|May|June|July|August|September|October|November|December");
    Fill(names.shortDays, texts.Text(kShortDaysText));
    Fill(names.days, texts.Text(kDaysText));
    Fill(names.shortMonths, texts.Text(kShortMonthsText));
    Fill(names.months, texts.Text(kMonthsText));
    names.dateTimeFormat = texts.Text(kDateTimeFormatText);
    if (names.dateTimeFormat.empty()) names.dateTimeFormat = "%a %d %b %Y %H:%M";
    return names;
}

std::string FormatTimeStamp(std::int64_t seconds, std::string_view format, const DateNames& names) {
    const std::optional<DateParts> parts = LocalFromTimeStamp(seconds);
    if (!parts) return {};
    const std::optional<double> value = DateTimeFromParts(*parts);
    // Day 0 (1899-12-30) was a Saturday.
    const int day = value ? DayNumber(*value) : 0;
    const int weekday = ((day + 5) % 7 + 7) % 7;
    return FormatDateTime(*parts, weekday, format, names);
}

std::string FormatDateTime(const DateParts& p, int weekday, std::string_view format,
                           const DateNames& names) {
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            out += format[i];
            continue;
        }
        switch (char c = format[++i]) {
            case 'a':
                out += Pick(names.shortDays, weekday);
                break;
            case 'A':
                out += Pick(names.days, weekday);
                break;
            case 'b':
                out += Pick(names.shortMonths, p.month - 1);
                break;
            case 'B':
                out += Pick(names.months, p.month - 1);
                break;
            case 'd':
                out += Number(p.day, 2);
                break;
            case 'm':
                out += Number(p.month, 2);
                break;
            case 'y':
                out += Number(((p.year % 100) + 100) % 100, 2);
                break;
            case 'Y':
                out += Number(p.year, 4);
                break;
            case 'H':
                out += Number(p.hour, 2);
                break;
            case 'M':
                out += Number(p.minute, 2);
                break;
            case 'S':
                out += Number(p.second, 2);
                break;
            case '%':
                out += '%';
                break;
            default:
                out += '%';
                out += c;
        }
    }
    return out;
}

}  // namespace kadenzo
