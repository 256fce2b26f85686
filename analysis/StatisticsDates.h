#pragma once

#include <QDate>

namespace kadenzo {

// Day numbers (days since 1899-12-30) and the dates of the date pickers.
inline QDate DateOfDay(int dayNumber) { return QDate(1899, 12, 30).addDays(dayNumber); }
inline int DayOfDate(const QDate& date) {
    return static_cast<int>(QDate(1899, 12, 30).daysTo(date));
}

}  // namespace kadenzo
