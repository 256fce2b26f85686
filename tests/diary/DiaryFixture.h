#pragma once

#include <ctime>
#include <memory>
#include <string>

#include "AppContext.h"
#include "Database.h"
#include "DiaryNavigation.h"
#include "DocumentEdits.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "StringTable.h"

namespace kadenzo::test {

// Texts the diary shows, without a language module.
class DiaryTexts : public StringTable {
public:
    std::string Text(std::uint32_t id) const override {
        return id == 33048 ? "Week" : id == 33102 ? "km" : id == 33103 ? "mi" : "";
    }
};

// 2024-03-13 (a Wednesday) 10:00 local time; day number 45364.
inline constexpr int kToday = 45364;
inline constexpr int kMonday = 45362;

inline std::time_t FixedNow() {
    std::tm tm{};
    tm.tm_year = 124;
    tm.tm_mon = 2;
    tm.tm_mday = 13;
    tm.tm_hour = 10;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

// A document with a small library: category 3 (green), sport 5 with icon 1,
// template 7 ("Dauerlauf", sport 5), event kind 9 (blue). Records are added
// through the edit functions, as the program adds them.
struct DiaryWorld {
    DiaryWorld() {
        context.strings = &texts;
        context.clock = [] { return FixedNow(); };
        auto library = std::make_unique<CLibrary>();
        auto& category = library->categories.AddNew();
        category.id = 3;
        category.colour = 0x0000C000;  // green
        auto& sport = library->sports.AddNew();
        sport.id = 5;
        sport.iconId = 1;
        auto& workout = library->workoutTemplates.AddNew();
        workout.id = 7;
        workout.name = "Dauerlauf";
        workout.categoryId = 3;
        workout.sportId = 5;
        workout.pulseRelative = 0;
        workout.pulseLow = 130;
        workout.pulseHigh = 150;
        auto& kind = library->eventKinds.AddNew();
        kind.id = 9;
        kind.colour = 0x00FF0000;  // blue
        context.library = std::move(library);
        doc = std::make_unique<CKadenzoDoc>(context);
        doc->OnNewDocument();
    }

    const CDatabase& Log() const { return doc->Log(); }

    // A copy of `w` as template 7 (sport 5) on `day` at `hour`, a fraction of
    // the day.
    CDatabase::WorkoutHandle Add(int day, CWorkOut w, double hour = 0.5) {
        w.templateId = 7;
        w.sportId = 5;
        const auto added =
            edit::AddWorkout(*doc, std::make_unique<CWorkOut>(w), edit::InDateOrder(day + hour));
        return Log().HandleOf(*added);
    }
    // A workout named by its notes.
    CDatabase::WorkoutHandle AddNamed(int day, const char* notes, double plannedMinutes = 0,
                                      double minutes = 0, double hour = 0.5) {
        CWorkOut w;
        w.plannedDuration = plannedMinutes;
        w.duration = minutes;
        w.notes = notes;
        return Add(day, w, hour);
    }
    CDatabase::WorkoutHandle Named(const std::string& notes) const {
        for (auto it = Log().BeginWorkouts(); it != Log().EndWorkouts(); ++it)
            if ((*it)->notes == notes) return Log().HandleOf(it);
        return 0;
    }
    // The day from kMonday and the workout's notes, e.g. "2x", or "-7-" for
    // the day alone.
    std::string Describe(const DiarySelection& s) const {
        const auto found = Log().FindWorkout(s.workout);
        return std::to_string(s.day - kMonday) + (found ? (**found)->notes : "-");
    }

    void AddEvent(int first, int last, std::int32_t kind, bool blocks) {
        std::vector<CEvent> events;
        for (const auto& e : Log().Events()) events.push_back(*e);
        CEvent& e = events.emplace_back();
        e.start.value = first + 0.5;
        e.end.value = last + 0.5;
        e.kind = kind;
        e.blocksDay = blocks ? 1 : 0;
        edit::SetEvents(*doc, events);
    }

    DiaryTexts texts;
    AppContext context;
    std::unique_ptr<CKadenzoDoc> doc;
};

}  // namespace kadenzo::test
