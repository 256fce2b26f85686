#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kadenzo {

class StringTable;
struct DateParts;

// Day and month names in the program's language, read from the language
// module (texts 34050 to 34053: abbreviated and full weekdays from Monday,
// abbreviated and full months, each list separated by '|'). Names the module
// lacks are English.
struct DateNames {
    static constexpr std::uint32_t kShortDaysText = 34050;
    static constexpr std::uint32_t kDaysText = 34051;
    static constexpr std::uint32_t kShortMonthsText = 34052;
    static constexpr std::uint32_t kMonthsText = 34053;
    static constexpr std::uint32_t kDateTimeFormatText = 34054;  // printed time stamps

    static DateNames From(const StringTable& texts);

    std::array<std::string, 7> shortDays;  // Monday first
    std::array<std::string, 7> days;
    std::array<std::string, 12> shortMonths;
    std::array<std::string, 12> months;
    std::string dateTimeFormat;  // for FormatDateTime; "%a %d %b %Y %H:%M" by default
};

// A date and time in the manner of strftime, with the names in the program's
// language rather than the system's: %a %A %b %B, and %d %m %y %Y %H %M %S %%
// as numbers. Any other conversion is copied as it stands. weekday: 0 Monday.
std::string FormatDateTime(const DateParts& parts, int weekday, std::string_view format,
                           const DateNames& names);
// The same for a time stamp (seconds since 1970) in local time; "" when it
// has no local time.
std::string FormatTimeStamp(std::int64_t seconds, std::string_view format, const DateNames& names);

}  // namespace kadenzo
