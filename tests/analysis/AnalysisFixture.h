#pragma once
// A small library and a log built in memory, for the analysis tests.

#include <cstdint>
#include <memory>
#include <string>

#include "AddLibraryItem.h"
#include "AnalysisCalendar.h"
#include "Database.h"
#include "DocumentFile.h"
#include "Library.h"
#include "StringTable.h"
#include "WorkOut.h"

namespace kadenzo::test {

// Library ids: running (icon 1) with the sub-sport trail, cycling (icon 2),
// swimming without any workout template of its own.
inline constexpr std::uint32_t kRunning = 1;
inline constexpr std::uint32_t kCycling = 2;
inline constexpr std::uint32_t kTrail = 11;
inline constexpr std::uint32_t kEndurance = 21;  // category
inline constexpr std::uint32_t kSpeed = 22;      // category
inline constexpr std::uint32_t kEasyRun = 31;    // template: endurance, running
inline constexpr std::uint32_t kIntervals = 32;  // template: speed, running
inline constexpr std::uint32_t kLongRide = 33;   // template: endurance, cycling

// The day number of a calendar day (the test's own dates are valid).
inline int Day(int year, int month, int day) { return DayNumberOf(year, month, day).value(); }

class AnalysisWorld {
public:
    AnalysisWorld() {
        CLibSport& running = AddItem(library.sports, kRunning, "Running");
        running.iconId = 1;
        running.colour = 0x0000FF;
        CLibSport& cycling = AddItem(library.sports, kCycling, "Cycling");
        cycling.iconId = 2;
        cycling.colour = 0x00FF00;
        AddItem(library.subSports, kTrail, "Trail").sportId = kRunning;
        AddItem(library.categories, kEndurance, "Endurance").colour = 0x123456;
        AddItem(library.categories, kSpeed, "Speed").colour = 0x654321;
        auto addTemplate = [&](std::uint32_t id, const char* name, std::uint32_t category,
                               std::uint32_t sport) {
            CLibWorkout& t = AddItem(library.workoutTemplates, id, name);
            t.categoryId = category;
            t.sportId = sport;
        };
        addTemplate(kEasyRun, "Easy run", kEndurance, kRunning);
        addTemplate(kIntervals, "Intervals", kSpeed, kRunning);
        addTemplate(kLongRide, "Long ride", kEndurance, kCycling);
    }

    // A performed workout on a day at an hour of the day.
    CWorkOut& Add(int day, double hour, std::uint32_t templateId, double minutes,
                  double kilometres = 0) {
        auto w = std::make_unique<CWorkOut>();
        w->date = day + hour / 24.0;
        w->templateId = templateId;
        w->sportId =
            library.FindWorkout(templateId) ? library.FindWorkout(templateId)->sportId : kRunning;
        w->duration = minutes;
        w->distance = kilometres;
        return **log.AddWorkout(std::move(w));
    }

    // Hands the library and the log to a document; they stay reachable here
    // for as long as the document keeps them.
    DocumentContents Contents() {
        DocumentContents contents;
        contents.library = std::move(ownLibrary_);
        contents.log = std::move(ownLog_);
        return contents;
    }

private:
    std::unique_ptr<CLibrary> ownLibrary_ = std::make_unique<CLibrary>();
    std::unique_ptr<CDatabase> ownLog_ = std::make_unique<CDatabase>();

public:
    CLibrary& library = *ownLibrary_;
    CDatabase& log = *ownLog_;
};

// The numbered texts the analysis uses, as a language module would give them.
class AnalysisTexts : public StringTable {
public:
    std::string Text(std::uint32_t id) const override {
        switch (id) {
            case 33000:
                return "KW %i/%02i";
            case 33001:
                return "Rest";
            case 34052:  // short month names, Windows-1252
                return "Jan|Feb|M\xE4r|Apr|Mai|Jun|Jul|Aug|Sep|Okt|Nov|Dez";
            default:
                return {};
        }
    }
};

}  // namespace kadenzo::test
