#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

#include "SettingsObserver.h"
#include "StringTable.h"
#include "Units.h"

namespace kadenzo {

class CLibrary;

// "Now" as seconds since 1970; injectable so that tests and tools fix the day.
using Clock = std::function<std::time_t()>;
std::time_t SystemNow();

// What a running program shares among its parts: the program's library, the
// unit settings and their observers, the numbered texts and the clock. The application object
// owns one and hands it to the document; tests and tools make their own.
// There is no global instance.
struct AppContext {
    AppContext();
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    std::unique_ptr<CLibrary> library;  // never null: starts empty
    UnitSettings units;
    SettingsSubject settings;              // told when units or language change
    const StringTable* strings = nullptr;  // not owned; null gives empty texts
    Clock clock;                           // empty: the system clock

    // The numbered text, or "" without a string table.
    std::string Text(std::uint32_t id) const;
    // A string table that is always there (empty without one).
    const StringTable& Texts() const;
    std::time_t Now() const;
    // The current local time as a date-time double.
    double NowAsDateTime() const;
    // Today's day number (see DayNumber).
    int Today() const;
};

}  // namespace kadenzo
