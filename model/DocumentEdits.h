#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "BodyInfo.h"
#include "Database.h"
#include "DocumentPrompts.h"
#include "Event.h"
#include "WorkOut.h"

namespace kadenzo {

class CKadenzoDoc;
class CLibrary;

// Every change the program makes to a document, one function per kind of
// change. Each runs as one transaction of the document: the change, one undo
// checkpoint after it, the modified flag, and one notification naming what
// changed. A function that finds nothing to change returns false (or no
// position) and leaves the document, its history and its flag alone; one that
// fails throws and leaves them as they were. Views change data only here.
namespace edit {

// The names of the steps the edit functions take, text numbers of the
// language modules; the Undo and Redo commands show them.
inline constexpr std::uint32_t kStepMoveWorkout = 34960;
inline constexpr std::uint32_t kStepCopyWorkout = 34961;
inline constexpr std::uint32_t kStepDeleteWorkout = 34962;
inline constexpr std::uint32_t kStepEditWorkout = 34963;
inline constexpr std::uint32_t kStepAddWorkout = 34964;
inline constexpr std::uint32_t kStepEditBodyData = 34965;
inline constexpr std::uint32_t kStepDeleteBodyData = 34966;
inline constexpr std::uint32_t kStepEditEvents = 34967;
inline constexpr std::uint32_t kStepChangeLibrary = 34968;
inline constexpr std::uint32_t kStepEditProfile = 34969;
inline constexpr std::uint32_t kStepRenameLog = 34970;
inline constexpr std::uint32_t kStepFixTargets = 34971;
// The activities of a device put on the plan at once (device/ImportApply.h).
inline constexpr std::uint32_t kStepImportFromDevice = 34974;

// Where a new or moved workout goes: next to a workout of its day (before or
// after it), or, without a neighbour, after the workouts of its date. Beside a
// neighbour the date is moved, within its day, no further than needed to stay
// between the dates of the two workouts it lands between.
struct WorkoutPlace {
    double date = 0;
    std::optional<CDatabase::ConstWorkoutPos> neighbour;
    bool before = false;
};

// A place without a neighbour: after the workouts already on that date.
inline WorkoutPlace InDateOrder(double date) { return {date, std::nullopt, false}; }

// The training log's name, which the title follows.
bool SetLogName(CKadenzoDoc& doc, const std::string& name);
// The athlete profile.
bool SetProfile(CKadenzoDoc& doc, const AthleteProfile& profile);

// A new workout at its place. The athlete is asked for the profile first when
// it was never entered (a change of its own).
std::optional<CDatabase::WorkoutPos> AddWorkout(CKadenzoDoc& doc, std::unique_ptr<CWorkOut> workout,
                                                const WorkoutPlace& place);
// Puts `workout` in place of the stored one when they differ (the target
// fields are not compared). The workout moves when its date changed.
bool ReplaceWorkout(CKadenzoDoc& doc, CDatabase::ConstWorkoutPos position, const CWorkOut& workout);
bool RemoveWorkout(CKadenzoDoc& doc, CDatabase::ConstWorkoutPos position);
// A move is one change: the workout (as a copy whose targets follow the
// template again) arrives at its new place and leaves its old one, so undo
// and redo never see one without the other.
std::optional<CDatabase::WorkoutPos> MoveWorkout(CKadenzoDoc& doc,
                                                 CDatabase::ConstWorkoutPos source,
                                                 const WorkoutPlace& place);
// A copy keeps the plan and the marked section but not what was performed.
std::optional<CDatabase::WorkoutPos> CopyWorkout(CKadenzoDoc& doc,
                                                 CDatabase::ConstWorkoutPos source,
                                                 const WorkoutPlace& place);
// The workout as a copy arriving on another day: the targets follow the
// template again and, for a copy, what was performed is cleared.
CWorkOut ArrivingCopy(const CWorkOut& source, double date, bool clearPerformed);

// The body data of the record's day; an empty record removes that day's data.
bool SetBodyInfo(CKadenzoDoc& doc, const CBodyInfo& info);
bool RemoveBodyInfo(CKadenzoDoc& doc, const CalendarDateTime& date);

// All calendar events at once, in the order given.
bool SetEvents(CKadenzoDoc& doc, const std::vector<CEvent>& events);

// The program's library; the records keep referring to items by id.
bool ReplaceLibrary(CKadenzoDoc& doc, std::unique_ptr<CLibrary> library);

// Fixes the targets of every workout whose day has come (see
// CKadenzoDoc::FixDueTargets); saving runs it so that the file and the
// history agree.
bool FixDueTargets(CKadenzoDoc& doc);

}  // namespace edit
}  // namespace kadenzo
