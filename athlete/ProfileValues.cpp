#include "ProfileValues.h"

#include "DateTime.h"

namespace kadenzo {

std::optional<std::int32_t> ReadMaxHeartRate(const std::string& text) {
    const std::optional<double> rate = ReadRangeField(text, kMaxHeartRateRange);
    if (!rate) return std::nullopt;
    return static_cast<std::int32_t>(*rate);
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
