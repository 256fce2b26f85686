#include "DocumentEdits.h"

#include <algorithm>

#include "DateTime.h"
#include "KadenzoDoc.h"
#include "Library.h"

namespace kadenzo::edit {
namespace {

using Change = std::optional<DocumentChange>;

DocumentChange WorkoutDays(double first, double second) {
    return DocumentChange::Days(DocumentChange::kWorkouts, DayNumber(first), DayNumber(second));
}

bool SameDay(const CWorkOut& workout, double date) {
    return DayNumber(workout.date) == DayNumber(date);
}

// The date between those of the workouts the new one lands between, so that
// the list stays in date order whatever their times of day.
double DateBetween(const CDatabase& log, CDatabase::ConstWorkoutPos neighbour, bool before,
                   double date) {
    CDatabase::ConstWorkoutPos earlier = neighbour;
    CDatabase::ConstWorkoutPos later = neighbour;
    if (before)
        earlier = earlier == log.BeginWorkouts() ? log.EndWorkouts() : std::prev(earlier);
    else
        ++later;
    if (later != log.EndWorkouts() && date > (*later)->date) date = (*later)->date;
    if (earlier != log.EndWorkouts() && date < (*earlier)->date) date = (*earlier)->date;
    return date;
}

// Inserts at the place; a neighbour of another day is no neighbour.
CDatabase::WorkoutPos Insert(CDatabase& log, std::unique_ptr<CWorkOut> workout,
                             const WorkoutPlace& place) {
    workout->date = place.date;
    if (place.neighbour && *place.neighbour != log.EndWorkouts() &&
        SameDay(***place.neighbour, place.date)) {
        workout->date = DateBetween(log, *place.neighbour, place.before, place.date);
        CDatabase::WorkoutPos neighbour = log.MutablePosition(*place.neighbour);
        return place.before ? log.InsertWorkoutBefore(std::move(workout), neighbour)
                            : log.InsertWorkoutAfter(std::move(workout), neighbour);
    }
    return log.AddWorkout(std::move(workout));
}

std::optional<CDatabase::WorkoutPos> Arrive(CKadenzoDoc& doc, CDatabase::ConstWorkoutPos source,
                                            const WorkoutPlace& place, bool move) {
    if (source == doc.Log().EndWorkouts()) return std::nullopt;
    doc.PromptForProfile();
    std::optional<CDatabase::WorkoutPos> arrived;
    doc.Transact(move ? kStepMoveWorkout : kStepCopyWorkout, [&]() -> Change {
        CDatabase& log = doc.MutableLog();
        const double from = (*source)->date;
        auto copy = std::make_unique<CWorkOut>(ArrivingCopy(**source, place.date, !move));
        arrived = Insert(log, std::move(copy), place);
        if (move) log.RemoveWorkout(log.MutablePosition(source));
        return WorkoutDays(from, place.date);
    });
    return arrived;
}

}  // namespace

bool SetLogName(CKadenzoDoc& doc, const std::string& name) {
    return doc.Transact(kStepRenameLog, [&]() -> Change {
        if (doc.Log().name == name) return std::nullopt;
        doc.MutableLog().name = name;
        return DocumentChange::Of(DocumentChange::kTitle);
    });
}

bool SetProfile(CKadenzoDoc& doc, const AthleteProfile& profile) {
    return doc.Transact(kStepEditProfile, [&]() -> Change {
        AthleteProfile& current = doc.MutableProfile();
        if (current.maxHeartRate == profile.maxHeartRate &&
            current.hrFormula == profile.hrFormula && current.birthDate == profile.birthDate)
            return std::nullopt;
        current = profile;
        return DocumentChange::Of(DocumentChange::kProfile);
    });
}

std::optional<CDatabase::WorkoutPos> AddWorkout(CKadenzoDoc& doc, std::unique_ptr<CWorkOut> workout,
                                                const WorkoutPlace& place) {
    if (!workout) return std::nullopt;
    doc.PromptForProfile();
    std::optional<CDatabase::WorkoutPos> added;
    doc.Transact(kStepAddWorkout, [&]() -> Change {
        added = Insert(doc.MutableLog(), std::move(workout), place);
        return WorkoutDays(place.date, place.date);
    });
    return added;
}

bool ReplaceWorkout(CKadenzoDoc& doc, CDatabase::ConstWorkoutPos position,
                    const CWorkOut& workout) {
    if (position == doc.Log().EndWorkouts()) return false;
    return doc.Transact(kStepEditWorkout, [&]() -> Change {
        if (!(*position)->IsDifferent(workout)) return std::nullopt;
        const double from = (*position)->date;
        CDatabase& log = doc.MutableLog();
        log.ReplaceWorkout(log.MutablePosition(position), std::make_unique<CWorkOut>(workout));
        return WorkoutDays(from, workout.date);
    });
}

bool RemoveWorkout(CKadenzoDoc& doc, CDatabase::ConstWorkoutPos position) {
    if (position == doc.Log().EndWorkouts()) return false;
    return doc.Transact(kStepDeleteWorkout, [&]() -> Change {
        const double date = (*position)->date;
        CDatabase& log = doc.MutableLog();
        log.RemoveWorkout(log.MutablePosition(position));
        return WorkoutDays(date, date);
    });
}

std::optional<CDatabase::WorkoutPos> MoveWorkout(CKadenzoDoc& doc,
                                                 CDatabase::ConstWorkoutPos source,
                                                 const WorkoutPlace& place) {
    return Arrive(doc, source, place, true);
}

std::optional<CDatabase::WorkoutPos> CopyWorkout(CKadenzoDoc& doc,
                                                 CDatabase::ConstWorkoutPos source,
                                                 const WorkoutPlace& place) {
    return Arrive(doc, source, place, false);
}

CWorkOut ArrivingCopy(const CWorkOut& source, double date, bool clearPerformed) {
    CWorkOut copy(source, true);
    copy.date = date;
    if (clearPerformed) {
        copy.distance = 0;
        copy.duration = 0;
        copy.maxPulseTest = 0;
        copy.subSportId = 0;
        copy.intensityId = 0;
        copy.trackId = 0;
        copy.averagePulse = 0;
        copy.maxPulse = 0;
        copy.recordingPath.clear();
        copy.notes.clear();
    }
    return copy;
}

bool SetBodyInfo(CKadenzoDoc& doc, const CBodyInfo& info) {
    return doc.Transact(kStepEditBodyData, [&]() -> Change {
        const CBodyInfo* stored = doc.Log().FindBodyInfo(info.date);
        if (stored ? stored->IsEqual(info) : info.IsEmpty()) return std::nullopt;
        doc.MutableLog().SetBodyInfo(info);
        const int day = DayNumber(info.date.value);
        return DocumentChange::Days(DocumentChange::kBodyData, day, day);
    });
}

bool RemoveBodyInfo(CKadenzoDoc& doc, const CalendarDateTime& date) {
    return doc.Transact(kStepDeleteBodyData, [&]() -> Change {
        if (!doc.Log().FindBodyInfo(date)) return std::nullopt;
        doc.MutableLog().RemoveBodyInfo(date);
        const int day = DayNumber(date.value);
        return DocumentChange::Days(DocumentChange::kBodyData, day, day);
    });
}

bool SetEvents(CKadenzoDoc& doc, const std::vector<CEvent>& events) {
    return doc.Transact(kStepEditEvents, [&]() -> Change {
        CDatabase::EventList& stored = doc.MutableLog().Events();
        const bool same = std::equal(stored.begin(), stored.end(), events.begin(), events.end(),
                                     [](const auto& a, const CEvent& b) { return a->IsEqual(b); });
        if (same) return std::nullopt;
        DocumentChange change = DocumentChange::Of(DocumentChange::kEvents);
        for (const auto& event : stored)
            change.AddDays(DayNumber(event->start.value), DayNumber(event->end.value));
        CDatabase::EventList replacement;
        for (const CEvent& event : events) {
            replacement.push_back(std::make_unique<CEvent>(event));
            change.AddDays(DayNumber(event.start.value), DayNumber(event.end.value));
        }
        stored.swap(replacement);
        return change;
    });
}

bool ReplaceLibrary(CKadenzoDoc& doc, std::unique_ptr<CLibrary> library) {
    if (!library) return false;
    return doc.Transact(kStepChangeLibrary, [&]() -> Change {
        std::unique_ptr<CLibrary> old = doc.SwapLibrary(std::move(library));
        return DocumentChange::Of(DocumentChange::kLibrary);
    });
}

bool FixDueTargets(CKadenzoDoc& doc) {
    return doc.Transact(kStepFixTargets, [&] { return doc.FixDueTargets(); });
}

}  // namespace kadenzo::edit
