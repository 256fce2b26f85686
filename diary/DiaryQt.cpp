#include "DiaryQt.h"

#include "DateNames.h"
#include "DateTime.h"
#include "CalendarDays.h"

namespace kadenzo {

QString FormatDay(int dayNumber, const char* format, const StringTable& texts) {
    const CalendarDay c = ToCalendar(dayNumber);
    const DateParts parts{c.year, c.month, c.day, 12, 0, 0};
    return FromBytes(FormatDateTime(parts, Weekday(dayNumber), format, DateNames::From(texts)));
}

}  // namespace kadenzo
