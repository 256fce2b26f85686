#pragma once

#include <QString>
#include <cstdint>

namespace kadenzo {

class StringTable;

// A time stamp as local date and time in the texts' format.
QString FormatDateTimeStamp(std::int64_t seconds, const StringTable& texts);

}  // namespace kadenzo
