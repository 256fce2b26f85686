#include "DocumentMerge.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include "DateTime.h"
#include "Library.h"
#include "merge/DayRecordMerge.h"
#include "merge/EventDayMap.h"
#include "merge/LibraryMerge.h"
#include "merge/MergedParts.h"
#include "merge/WorkoutMerge.h"

namespace kadenzo::sync {

namespace {

void Require(const DocumentContents& contents, const char* side) {
    if (!contents.library) throw std::invalid_argument(std::string(side) + " holds no library");
    if (!contents.log) throw std::invalid_argument(std::string(side) + " holds no training log");
}

template <class V>
struct Decided {
    V value;
    bool conflict;
};

// A value taken from the side that changed it; changed on both, MINE's.
template <class V>
Decided<V> Decide(const V* base, const V& mine, const V& theirs) {
    if (!base) return {mine, mine != theirs};
    if (mine == *base) return {theirs, false};
    return {mine, theirs != *base && theirs != mine};
}

const char* ConflictText(bool hasBase) {
    return hasBase ? "edited on both sides" : "different on the two sides";
}

void Append(std::vector<Conflict>& to, std::vector<Conflict>&& from) {
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

std::pair<int, std::int32_t> DayKeyOf(const CBodyInfo& info) {
    return {DayNumber(info.date.value), info.date.status};
}

// Puts the chosen records in place of the day's records, keeping day order.
void ReplaceDay(std::vector<std::unique_ptr<CBodyInfo>>& infos, const BodyInfoVersions& versions,
                const std::vector<CBodyInfo>& chosen) {
    const std::pair<int, std::int32_t> key{versions.day, versions.status};
    std::erase_if(infos, [&](const auto& info) { return DayKeyOf(*info) == key; });
    auto at = std::lower_bound(infos.begin(), infos.end(), key,
                               [](const auto& info, const auto& k) { return DayKeyOf(*info) < k; });
    for (const CBodyInfo& record : chosen)
        at = std::next(infos.insert(at, std::make_unique<CBodyInfo>(record)));
}

std::int32_t& ProfileField(MergedParts& parts, AthleteField field) {
    switch (field) {
        case AthleteField::BirthDate:
            return parts.birthDate;
        case AthleteField::MaxHeartRate:
            return parts.maxHeartRate;
        case AthleteField::Formula:
            break;
    }
    return parts.hrFormula;
}

}  // namespace

class MergeAssembler {
public:
    static MergeResult Merge(DocumentContents* base, DocumentContents& mine,
                             DocumentContents& theirs) {
        if (base) Require(*base, "BASE");
        Require(mine, "MINE");
        Require(theirs, "THEIRS");
        for (DocumentContents* side : {base, &mine, &theirs})
            if (side) side->log->RemoveInvalid(side->library.get());

        MergeResult result;
        result.parts_ = std::make_unique<MergedParts>();
        MergedParts& parts = *result.parts_;
        const CLibrary* baseLibrary = base ? base->library.get() : nullptr;

        // THEIRS' items that clash with MINE's take new ids before anything
        // is compared, so that their records compare with the new ids.
        RenumberClashes(baseLibrary, *mine.library, *theirs.library).Apply(*theirs.log);
        LibraryMergeOutput library = MergeLibraries(baseLibrary, *mine.library, *theirs.library);
        parts.library = std::move(library.library);
        parts.tentative = std::move(library.tentative);
        parts.library->computerName =
            Decide(baseLibrary ? &baseLibrary->computerName : nullptr, mine.library->computerName,
                   theirs.library->computerName)
                .value;

        WorkoutMergeOutput workouts =
            MergeWorkouts(base ? base->log->TakeWorkouts() : WorkoutRecords{},
                          mine.log->TakeWorkouts(), theirs.log->TakeWorkouts(), base != nullptr);
        parts.workouts = std::move(workouts.merged);
        result.workouts_ = workouts.counts;

        BodyInfoMergeOutput bodyInfos =
            MergeBodyInfos(base ? &base->log->BodyInfos() : nullptr, mine.log->BodyInfos(),
                           theirs.log->BodyInfos());
        parts.bodyInfos = std::move(bodyInfos.merged);
        result.bodyInfos_ = bodyInfos.counts;

        EventMergeOutput events =
            MergeEvents(base ? &base->log->Events() : nullptr, std::move(mine.log->Events()),
                        std::move(theirs.log->Events()));
        parts.events = std::move(events.merged);
        result.events_ = events.counts;

        std::vector<Conflict>& conflicts = result.conflicts_;
        Append(conflicts, std::move(workouts.conflicts));
        Append(conflicts, std::move(bodyInfos.conflicts));
        Append(conflicts, std::move(events.conflicts));
        Append(conflicts, std::move(library.conflicts));
        MergeName(base, mine, theirs, result);
        MergeAthlete(base, mine, theirs, result);
        return result;
    }

private:
    static void MergeName(const DocumentContents* base, const DocumentContents& mine,
                          const DocumentContents& theirs, MergeResult& result) {
        const std::string& m = mine.log->name;
        const std::string& t = theirs.log->name;
        const Decided<std::string> name = Decide(base ? &base->log->name : nullptr, m, t);
        result.parts_->name = name.value;
        if (!name.conflict) return;
        Conflict conflict;
        conflict.kind = ConflictKind::Name;
        conflict.what = base ? "renamed on both sides" : ConflictText(false);
        conflict.versions = NameVersions{m, t};
        result.conflicts_.push_back(std::move(conflict));
    }

    static void MergeAthlete(const DocumentContents* base, const DocumentContents& mine,
                             const DocumentContents& theirs, MergeResult& result) {
        struct Field {
            AthleteField field;
            std::int32_t DocumentContents::*member;
            const char* name;
        };
        static constexpr Field kFields[] = {
            {AthleteField::BirthDate, &DocumentContents::birthDate, "birth date"},
            {AthleteField::MaxHeartRate, &DocumentContents::maxHeartRate, "maximum heart rate"},
            {AthleteField::Formula, &DocumentContents::hrFormula, "heart-rate formula"}};
        for (const Field& f : kFields) {
            const std::int32_t m = mine.*f.member;
            const std::int32_t t = theirs.*f.member;
            const Decided<std::int32_t> value = Decide(base ? &(base->*f.member) : nullptr, m, t);
            ProfileField(*result.parts_, f.field) = value.value;
            if (!value.conflict) continue;
            Conflict conflict;
            conflict.kind = ConflictKind::Athlete;
            conflict.what = std::string(f.name) + " " + ConflictText(base != nullptr);
            conflict.versions = AthleteVersions{f.field, m, t};
            result.conflicts_.push_back(std::move(conflict));
        }
    }
};

MergeResult MergeDocuments(DocumentContents base, DocumentContents mine, DocumentContents theirs) {
    return MergeAssembler::Merge(&base, mine, theirs);
}

MergeResult MergeDocuments(DocumentContents mine, DocumentContents theirs) {
    return MergeAssembler::Merge(nullptr, mine, theirs);
}

MergeResult::MergeResult() = default;
MergeResult::~MergeResult() = default;
MergeResult::MergeResult(MergeResult&&) noexcept = default;
MergeResult& MergeResult::operator=(MergeResult&&) noexcept = default;

std::vector<Choice> MergeResult::DefaultChoices() const {
    std::vector<Choice> choices;
    for (const Conflict& conflict : conflicts_) choices.push_back(conflict.defaultChoice);
    return choices;
}

const CLibrary* MergeResult::Library() const { return parts_ ? parts_->library.get() : nullptr; }

DocumentContents MergeResult::Resolve(const std::vector<Choice>& choices) && {
    if (!parts_) throw std::invalid_argument("the merge was resolved already");
    if (choices.size() != conflicts_.size())
        throw std::invalid_argument("one choice is needed for each of the " +
                                    std::to_string(conflicts_.size()) + " conflicts");
    MergedParts& parts = *parts_;
    std::vector<bool> dropped(parts.workouts.size(), false);
    std::optional<EventDayMap> days;
    for (std::size_t i = 0; i < conflicts_.size(); ++i) {
        const Conflict& conflict = conflicts_[i];
        Choice choice = choices[i];
        if (choice == Choice::Both && conflict.kind != ConflictKind::Workout)
            choice = conflict.defaultChoice;
        const bool theirs = choice == Choice::Theirs;
        switch (conflict.kind) {
            case ConflictKind::Workout: {
                std::optional<std::size_t> drop;  // Both keeps the two
                if (theirs) drop = conflict.minePosition;
                if (choice == Choice::Mine) drop = conflict.theirsPosition;
                if (drop && *drop < dropped.size()) dropped[*drop] = true;
                break;
            }
            case ConflictKind::BodyInfo: {
                const auto& v = std::get<BodyInfoVersions>(conflict.versions);
                ReplaceDay(parts.bodyInfos, v, theirs ? v.theirs : v.mine);
                break;
            }
            case ConflictKind::Event: {
                if (!theirs) break;  // the merged days hold MINE's already
                const auto& v = std::get<EventVersions>(conflict.versions);
                if (!days) days.emplace(parts.events);
                days->Assign(conflict.day.value_or(0), v.lastDay, v.theirs);
                break;
            }
            case ConflictKind::Library: {
                const auto& v = std::get<LibraryVersions>(conflict.versions);
                const auto& chosen = theirs ? v.theirs : v.mine;
                const TentativeItem item{v.list, v.id};
                std::erase(parts.tentative, item);
                if (chosen)
                    PutItem(*parts.library, v.list, *chosen);
                else
                    parts.tentative.push_back(item);
                break;
            }
            case ConflictKind::Name: {
                const auto& v = std::get<NameVersions>(conflict.versions);
                parts.name = theirs ? v.theirs : v.mine;
                break;
            }
            case ConflictKind::Athlete: {
                const auto& v = std::get<AthleteVersions>(conflict.versions);
                ProfileField(parts, v.field) = theirs ? v.theirs : v.mine;
                break;
            }
        }
    }
    if (days) parts.events = days->Periods();

    auto log = std::make_unique<CDatabase>();
    for (std::size_t i = 0; i < parts.workouts.size(); ++i)
        if (!dropped[i]) log->AppendWorkout(std::move(parts.workouts[i]));
    for (auto& info : parts.bodyInfos) log->AppendBodyInfo(std::move(info));
    log->Events() = std::move(parts.events);
    log->name = std::move(parts.name);
    DropUnreferenced(*parts.library, parts.tentative, *log);

    DocumentContents contents;
    contents.birthDate = parts.birthDate;
    contents.maxHeartRate = parts.maxHeartRate;
    contents.hrFormula = parts.hrFormula;
    contents.library = std::move(parts.library);
    contents.log = std::move(log);
    parts_.reset();
    return contents;
}

}  // namespace kadenzo::sync
