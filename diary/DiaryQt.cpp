#include "DiaryQt.h"

#include <ctime>

#include "AppContext.h"
#include "Cp1252.h"
#include "DiaryDates.h"

namespace kadenzo {
namespace {

QString Format(const std::tm& tm, const char* format) {
    char buffer[256];
    std::size_t n = std::strftime(buffer, sizeof buffer, format, &tm);
    return QString::fromLocal8Bit(buffer, static_cast<qsizetype>(n));
}

}  // namespace

QString FormatDay(int dayNumber, const char* format) {
    CalendarDay c = ToCalendar(dayNumber);
    std::tm tm{};
    tm.tm_year = c.year - 1900;
    tm.tm_mon = c.month - 1;
    tm.tm_mday = c.day;
    tm.tm_hour = 12;
    tm.tm_wday = (Weekday(dayNumber) + 1) % 7;
    return Format(tm, format);
}

QString FormatNow() {
    std::time_t now = App().Now();
    std::tm tm{};
    localtime_r(&now, &tm);
    return Format(tm, "%c");
}

QString FromCore(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

}  // namespace kadenzo
