#include "DiaryQt.h"

#include "Cp1252.h"
#include "DateNames.h"
#include "DateTime.h"
#include "DiaryDates.h"
#include "LanguageModule.h"

namespace kadenzo {
namespace {

// The names of the language the program shows, whatever the system's locale.
DateNames CurrentDateNames() {
    if (const LanguageModule* module = LanguageModule::Current()) return DateNames::From(*module);
    return DateNames::From(EmptyStringTable{});
}

}  // namespace

QString FormatDay(int dayNumber, const char* format) {
    const CalendarDay c = ToCalendar(dayNumber);
    const DateParts parts{c.year, c.month, c.day, 12, 0, 0};
    return FromCore(FormatDateTime(parts, Weekday(dayNumber), format, CurrentDateNames()));
}

QString FormatDateTimeStamp(std::int64_t seconds) {
    const DateNames names = CurrentDateNames();
    return FromCore(FormatTimeStamp(seconds, names.dateTimeFormat, names));
}

QString FromCore(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

}  // namespace kadenzo
