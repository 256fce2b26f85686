#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "BodyInfo.h"
#include "DocumentFile.h"
#include "LibraryItems.h"
#include "WorkOut.h"

namespace kadenzo {
class CLibrary;
}

namespace kadenzo::sync {

// The undo step of a merge made in the program (a text number).
inline constexpr std::uint32_t kStepMergeChanges = 34975;

enum class ConflictKind { Workout, BodyInfo, Event, Library, Name, Athlete };

// What the user keeps of a conflict. Both is offered for workouts only; for
// the other kinds it stands for the default.
enum class Choice { Mine, Theirs, Both };

// The seven lists of a library, in the order the file stores them.
enum class LibraryList {
    Categories,
    Intensities,
    Sports,
    SubSports,
    Tracks,
    Templates,
    EventKinds
};

enum class AthleteField { BirthDate, MaxHeartRate, Formula };

// What one calendar day carries of the events: a kind (library or built-in)
// and whether the day is blocked for training.
struct EventOnDay {
    std::int32_t kind = -5;
    bool blocksDay = false;
    bool operator==(const EventOnDay&) const = default;
};

// The two versions of a conflict, for showing them side by side. A missing
// version means that side removed it (or never had it).
struct WorkoutVersions {
    std::optional<CWorkOut> mine;
    std::optional<CWorkOut> theirs;
};
struct BodyInfoVersions {
    int day = 0;  // the day and date status the records share
    std::int32_t status = CalendarDateTime::kValid;
    std::vector<CBodyInfo> mine;  // usually one record, none when removed
    std::vector<CBodyInfo> theirs;
};
struct EventVersions {
    int lastDay = 0;  // the conflict covers Conflict::day ... lastDay
    std::optional<EventOnDay> mine;
    std::optional<EventOnDay> theirs;
};
struct LibraryVersions {
    LibraryList list = LibraryList::Categories;
    std::uint32_t id = 0;
    std::shared_ptr<const CLibraryBaseItem> mine;
    std::shared_ptr<const CLibraryBaseItem> theirs;
};
struct NameVersions {
    std::string mine;
    std::string theirs;
};
struct AthleteVersions {
    AthleteField field = AthleteField::BirthDate;
    std::int32_t mine = 0;
    std::int32_t theirs = 0;
};

// A place where both sides changed the same thing, or one changed what the
// other removed. The merged document holds the default choice.
struct Conflict {
    ConflictKind kind = ConflictKind::Workout;
    std::optional<int> day;  // day number, where the conflict has one
    std::string what;        // short English text: "edited on both sides", ...
    // The positions in the merged log (default choices) of the two workouts
    // kept, where there are such workouts.
    std::optional<std::size_t> minePosition;
    std::optional<std::size_t> theirsPosition;
    Choice defaultChoice = Choice::Mine;
    std::variant<WorkoutVersions, BodyInfoVersions, EventVersions, LibraryVersions, NameVersions,
                 AthleteVersions>
        versions;
};

// Records of the merged document against MINE: how many it has that MINE has
// not, and the other way round. Events count as days.
struct ChangeCounts {
    std::int64_t added = 0;
    std::int64_t removed = 0;
    bool operator==(const ChangeCounts&) const = default;
};

struct MergedParts;

// What a merge found, holding the merged document until the user's choices
// are in: Resolve with DefaultChoices() gives exactly what the rules choose.
class MergeResult {
public:
    MergeResult();
    ~MergeResult();
    MergeResult(MergeResult&&) noexcept;
    MergeResult& operator=(MergeResult&&) noexcept;

    const std::vector<Conflict>& Conflicts() const { return conflicts_; }
    // With the default choices.
    const ChangeCounts& Workouts() const { return workouts_; }
    const ChangeCounts& BodyInfos() const { return bodyInfos_; }
    const ChangeCounts& Events() const { return events_; }
    std::vector<Choice> DefaultChoices() const;
    // The merged library as the default choices have it, items that may go
    // again included: the names of the conflicts' records (THEIRS' records
    // with renumbered items too). Null once resolved.
    const CLibrary* Library() const;

    // The merged document, with one choice for each conflict in the order of
    // Conflicts(). Library items that a side removed stay only while a record
    // or item of the document refers to them. Consumes the result. Throws
    // std::invalid_argument when the choices do not match the conflicts.
    DocumentContents Resolve(const std::vector<Choice>& choices) &&;

private:
    friend class MergeAssembler;

    std::unique_ptr<MergedParts> parts_;
    std::vector<Conflict> conflicts_;
    ChangeCounts workouts_;
    ChangeCounts bodyInfos_;
    ChangeCounts events_;
};

}  // namespace kadenzo::sync
