#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kadenzo {

// Times in recording files are the wall-clock time of the device, so they are
// converted as local time (the TZ of the process) into seconds since 1970.

// Seconds since 1970 of a local calendar time; fields out of range carry over
// (month 13 is January of the next year). Daylight saving is the one in force
// on that date.
std::int64_t LocalTimeToSeconds(long long year, long long month, long long day, long long hour,
                                long long minute, long long second);

// "h:mm:ss.t" to whole seconds: three numbers, each separated from the next by
// exactly one character of any kind; the fraction is truncated toward zero.
std::int32_t ParseClock(std::string_view text);

// Midnight (local time) of a date written "yyyymmdd" in the first 8 characters
// of text, plus ParseClock(clockText) when clockText is given.
std::int64_t ParseDate(std::string_view text, const std::string_view* clockText = nullptr);

}  // namespace kadenzo

namespace kadenzo {

// strftime of a local time given in seconds since 1970; "" when the time
// cannot be represented.
std::string FormatLocalTime(std::int64_t seconds, const char* format);

}  // namespace kadenzo

namespace kadenzo {

// An XML date-time as TCX and GPX files write it, "2012-12-26T21:29:53Z": a
// fraction of a second is dropped, a zone "Z", "+01:00" or "-0500" is taken
// into account and a time without zone is UTC. Seconds since 1970, or empty
// for text of any other form or a date that does not exist.
std::optional<std::int64_t> ParseIsoTime(std::string_view text);

}  // namespace kadenzo
