#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

#include "StringTable.h"
#include "Units.h"

namespace kadenzo {

class CLibrary;
class CDatabase;
class CKadenzoDoc;

// The application-wide state every part of the program reaches: the current
// library, the current training log, the unit settings, the numbered texts and
// the clock. There is exactly one (App()); tests call ResetApp() between cases.
struct AppContext {
    AppContext();
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    std::unique_ptr<CLibrary> library;  // the current library, or null
    CDatabase* log = nullptr;           // the open document's training log (owned by it)
    CKadenzoDoc* document = nullptr;    // the open document, for the athlete's heart rate
    UnitSettings units;
    const StringTable* strings = nullptr;  // not owned; null gives empty texts
    std::function<std::time_t()> now;      // "now" as seconds since 1970
    std::string programDirectory;          // folder of the program file, with trailing '/'

    // The numbered text, or "" without a string table.
    std::string Text(std::uint32_t id) const;
    // The current time from the injectable clock.
    std::time_t Now() const;
};

AppContext& App();
// Drops the current library and log reference, restores default settings, the
// system clock and no string table.
void ResetApp();

}  // namespace kadenzo
