#include "CommandOptions.h"

#include <cstdio>

#include "CalendarDays.h"

namespace kadenzo::tool {

std::nullopt_t OptionMistake(const char* command, const std::string& what) {
    std::fprintf(stderr, "kadenzo-tool %s: %s\n", command, what.c_str());
    return std::nullopt;
}

std::optional<int> ReadDateOption(const char* command, const std::string& value) {
    int day = 0;
    if (!ParseIsoDay(value, &day) || ToCalendar(day).year < 1900)
        return OptionMistake(command, "not a date from 1900 on: '" + value + "'");
    return day;
}

}  // namespace kadenzo::tool
