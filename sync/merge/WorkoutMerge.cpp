#include "WorkoutMerge.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <tuple>
#include <unordered_map>

#include "DateTime.h"
#include "RecordIdentity.h"

namespace kadenzo::sync {
namespace {

enum Side : std::uint8_t { kBase = 0, kMine = 1, kTheirs = 2 };
constexpr std::array<Side, 3> kSides = {kBase, kMine, kTheirs};

// Records sorted into classes of equal content. For each side: the class of
// each record, its place among that side's records of the class, and the
// records of each class in log order.
class Classes {
public:
    explicit Classes(const std::array<const WorkoutRecords*, 3>& sides) {
        std::unordered_map<const CWorkOut*, std::uint32_t, Hash, Same> ids;
        ids.reserve(sides[kBase]->size() + sides[kMine]->size() / 4 + 64);
        for (Side s : kSides) {
            of_[s].reserve(sides[s]->size());
            for (const auto& record : *sides[s]) {
                auto [it, added] = ids.try_emplace(record.get(), size_);
                if (added) ++size_;
                of_[s].push_back(it->second);
            }
        }
        for (Side s : kSides) {
            count_[s].assign(size_, 0);
            ordinal_[s].resize(of_[s].size());
            for (std::size_t i = 0; i < of_[s].size(); ++i) ordinal_[s][i] = count_[s][of_[s][i]]++;
            start_[s].assign(size_ + 1, 0);
            for (std::uint32_t c = 0; c < size_; ++c)
                start_[s][c + 1] = start_[s][c] + count_[s][c];
            members_[s].resize(of_[s].size());
            for (std::size_t i = 0; i < of_[s].size(); ++i)
                members_[s][start_[s][of_[s][i]] + ordinal_[s][i]] = static_cast<std::uint32_t>(i);
        }
    }

    std::uint32_t Size() const { return size_; }
    std::uint32_t Of(Side s, std::size_t record) const { return of_[s][record]; }
    std::uint32_t Ordinal(Side s, std::size_t record) const { return ordinal_[s][record]; }
    std::int64_t Count(Side s, std::uint32_t c) const { return count_[s][c]; }
    // The side's n-th record of the class, in log order.
    std::uint32_t Member(Side s, std::uint32_t c, std::int64_t n) const {
        return members_[s][start_[s][c] + static_cast<std::size_t>(n)];
    }

private:
    struct Hash {
        std::size_t operator()(const CWorkOut* w) const { return WorkoutHash(*w); }
    };
    struct Same {
        bool operator()(const CWorkOut* a, const CWorkOut* b) const { return SameWorkout(*a, *b); }
    };

    std::uint32_t size_ = 0;
    std::array<std::vector<std::uint32_t>, 3> of_, ordinal_, count_, start_, members_;
};

// How many records of a class the result holds and where they come from:
// the first `kept` of BASE's, then `extras` added, the first `fromMine` of
// them MINE's, the rest THEIRS'.
struct Plan {
    std::int64_t kept = 0;
    std::int64_t extras = 0;
    std::int64_t fromMine = 0;
    std::size_t firstEntry = 0;
};

// One record of the result: its place in the order and the record it takes.
struct Entry {
    double key;
    Side rank;
    std::uint32_t index;  // in the side that gives the rank
    Side side;            // the record taken, which may be another side's copy
    std::uint32_t record;
    std::size_t id;
};

// NaN has no place in date order; such workouts go last, as in the log.
double OrderKey(double date) {
    return std::isnan(date) ? std::numeric_limits<double>::infinity() : date;
}

class WorkoutMerge {
public:
    WorkoutMerge(WorkoutRecords base, WorkoutRecords mine, WorkoutRecords theirs, bool hasBase)
        : records_{std::move(base), std::move(mine), std::move(theirs)},
          classes_({&records_[kBase], &records_[kMine], &records_[kTheirs]}),
          hasBase_(hasBase) {}

    WorkoutMergeOutput Run() {
        PlanClasses();
        PlaceEntries();
        if (hasBase_)
            FindEditConflicts();
        else
            FindTwoWayConflicts();
        for (const Entry& entry : entries_)
            output_.merged.push_back(std::move(records_[entry.side][entry.record]));
        return std::move(output_);
    }

private:
    std::int64_t Change(Side s, std::uint32_t c) const {
        return classes_.Count(s, c) - classes_.Count(kBase, c);
    }

    void PlanClasses() {
        plans_.resize(classes_.Size());
        std::size_t entries = 0;
        for (std::uint32_t c = 0; c < classes_.Size(); ++c) {
            const std::int64_t base = classes_.Count(kBase, c);
            const std::int64_t dm = Change(kMine, c);
            const std::int64_t dt = Change(kTheirs, c);
            // The same edit on both sides happens once; opposite ones both count.
            std::int64_t combined = 0;
            if (dm >= 0 && dt >= 0)
                combined = std::max(dm, dt);
            else if (dm <= 0 && dt <= 0)
                combined = std::min(dm, dt);
            else
                combined = dm + dt;
            const std::int64_t total = std::max<std::int64_t>(0, base + combined);
            Plan& plan = plans_[c];
            plan.kept = std::min(total, base);
            plan.extras = total - plan.kept;
            plan.fromMine = std::min(plan.extras, std::max<std::int64_t>(dm, 0));
            plan.firstEntry = entries;
            entries += static_cast<std::size_t>(total);
            const std::int64_t mine = classes_.Count(kMine, c);
            output_.counts.added += std::max<std::int64_t>(0, total - mine);
            output_.counts.removed += std::max<std::int64_t>(0, mine - total);
        }
        entries_.reserve(entries);
    }

    // Of copies that differ only in their targets, the one with fixed targets.
    std::pair<Side, std::uint32_t> Pick(
        std::initializer_list<std::pair<Side, std::int64_t>> copies) {
        std::pair<Side, std::uint32_t> first{kBase, 0};
        bool haveFirst = false;
        for (auto [side, index] : copies) {
            if (index < 0) continue;
            const auto record = static_cast<std::uint32_t>(index);
            if (records_[side][record]->targetFixed) return {side, record};
            if (!haveFirst) {
                first = {side, record};
                haveFirst = true;
            }
        }
        return first;
    }

    // The side's copy of BASE's n-th record of the class, or -1 when the side
    // has fewer (a side that removed copies removed the last ones).
    std::int64_t CopyOfBase(Side s, std::uint32_t c, std::int64_t n) const {
        const std::int64_t unchanged =
            classes_.Count(s, c) - std::max<std::int64_t>(Change(s, c), 0);
        return n < unchanged ? std::int64_t{classes_.Member(s, c, n)} : -1;
    }
    // The side's j-th added record of the class, or -1.
    std::int64_t Added(Side s, std::uint32_t c, std::int64_t j) const {
        const std::int64_t change = Change(s, c);
        return j < change ? std::int64_t{classes_.Member(s, c, classes_.Count(s, c) - change + j)}
                          : -1;
    }

    void PlaceEntries() {
        for (std::uint32_t c = 0; c < classes_.Size(); ++c) {
            const Plan& plan = plans_[c];
            std::size_t id = plan.firstEntry;
            for (std::int64_t n = 0; n < plan.kept; ++n) {
                const std::uint32_t base = classes_.Member(kBase, c, n);
                auto [side, record] = Pick({{kBase, base},
                                            {kMine, CopyOfBase(kMine, c, n)},
                                            {kTheirs, CopyOfBase(kTheirs, c, n)}});
                Add(kBase, base, side, record, id++);
            }
            for (std::int64_t j = 0; j < plan.extras; ++j) {
                if (j < plan.fromMine) {
                    const auto mine = static_cast<std::uint32_t>(Added(kMine, c, j));
                    auto [side, record] = Pick({{kMine, mine}, {kTheirs, Added(kTheirs, c, j)}});
                    Add(kMine, mine, side, record, id++);
                } else {
                    const auto theirs = static_cast<std::uint32_t>(Added(kTheirs, c, j));
                    Add(kTheirs, theirs, kTheirs, theirs, id++);
                }
            }
        }
        std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
            return std::tie(a.key, a.rank, a.index) < std::tie(b.key, b.rank, b.index);
        });
        positions_.resize(entries_.size());
        for (std::size_t p = 0; p < entries_.size(); ++p) positions_[entries_[p].id] = p;
    }

    void Add(Side rank, std::uint32_t index, Side side, std::uint32_t record, std::size_t id) {
        entries_.push_back({OrderKey(records_[rank][index]->date), rank, index, side, record, id});
    }

    // Where the side's added record ended up in the result, if it did.
    std::optional<std::size_t> PositionOfAdded(Side s, std::uint32_t record) const {
        const std::uint32_t c = classes_.Of(s, record);
        const std::int64_t j = classes_.Ordinal(s, record) - (classes_.Count(s, c) - Change(s, c));
        const Plan& plan = plans_[c];
        if (j < 0 || j >= plan.extras) return std::nullopt;
        return positions_[plan.firstEntry + static_cast<std::size_t>(plan.kept + j)];
    }

    struct Keyed {
        int day;
        std::uint32_t templateId;
        std::uint32_t index;
        bool operator<(const Keyed& o) const {
            return std::tie(day, templateId, index) < std::tie(o.day, o.templateId, o.index);
        }
    };

    Keyed KeyOf(Side s, std::uint32_t index) const {
        const CWorkOut& w = *records_[s][index];
        return {DayNumber(w.date), w.templateId, index};
    }

    // Pairs two lists by day and template, in log order within a pair of
    // them: pairs[first index] = second index, or -1 for none.
    static void Pair(std::vector<Keyed> first, std::vector<Keyed> second,
                     std::vector<std::int64_t>& pairs) {
        std::sort(first.begin(), first.end());
        std::sort(second.begin(), second.end());
        std::size_t j = 0;
        for (const Keyed& k : first) {
            while (j < second.size() &&
                   std::tie(second[j].day, second[j].templateId) < std::tie(k.day, k.templateId))
                ++j;
            if (j < second.size() && second[j].day == k.day && second[j].templateId == k.templateId)
                pairs[k.index] = second[j++].index;
            else
                pairs[k.index] = -1;
        }
    }

    static constexpr std::int64_t kKept = -2;

    // For each BASE record: kKept, -1 (removed), or the index of its edit.
    std::vector<std::int64_t> EditsOf(Side s) const {
        std::vector<Keyed> removed, added;
        for (std::uint32_t c = 0; c < classes_.Size(); ++c) {
            const std::int64_t change = Change(s, c);
            const std::int64_t base = classes_.Count(kBase, c);
            for (std::int64_t n = base + change; change < 0 && n < base; ++n)
                removed.push_back(KeyOf(kBase, classes_.Member(kBase, c, n)));
            for (std::int64_t j = 0; j < change; ++j)
                added.push_back(KeyOf(s, static_cast<std::uint32_t>(Added(s, c, j))));
        }
        std::vector<std::int64_t> edits(records_[kBase].size(), kKept);
        Pair(std::move(removed), std::move(added), edits);
        return edits;
    }

    void FindEditConflicts() {
        const std::vector<std::int64_t> mine = EditsOf(kMine);
        const std::vector<std::int64_t> theirs = EditsOf(kTheirs);
        for (std::size_t b = 0; b < mine.size(); ++b) {
            if (mine[b] == kKept || theirs[b] == kKept) continue;
            const bool mineEdited = mine[b] >= 0;
            const bool theirsEdited = theirs[b] >= 0;
            if (!mineEdited && !theirsEdited) continue;  // removed on both sides
            if (mineEdited && theirsEdited &&
                classes_.Of(kMine, static_cast<std::size_t>(mine[b])) ==
                    classes_.Of(kTheirs, static_cast<std::size_t>(theirs[b])))
                continue;  // the same edit on both sides
            const char* what =
                mineEdited && theirsEdited ? "edited on both sides" : "edited and removed";
            const Choice choice = mineEdited && theirsEdited ? Choice::Both
                                  : mineEdited               ? Choice::Mine
                                                             : Choice::Theirs;
            Report(DayNumber(records_[kBase][b]->date), what, choice, mine[b], theirs[b]);
        }
    }

    void FindTwoWayConflicts() {
        std::vector<Keyed> onlyMine, onlyTheirs;
        for (std::uint32_t c = 0; c < classes_.Size(); ++c) {
            const std::int64_t mine = classes_.Count(kMine, c);
            const std::int64_t theirs = classes_.Count(kTheirs, c);
            for (std::int64_t n = theirs; n < mine; ++n)
                onlyMine.push_back(KeyOf(kMine, classes_.Member(kMine, c, n)));
            for (std::int64_t n = mine; n < theirs; ++n)
                onlyTheirs.push_back(KeyOf(kTheirs, classes_.Member(kTheirs, c, n)));
        }
        std::vector<std::int64_t> pairs(records_[kMine].size(), kKept);
        Pair(std::move(onlyMine), std::move(onlyTheirs), pairs);
        for (std::size_t m = 0; m < pairs.size(); ++m)
            if (pairs[m] >= 0)
                Report(DayNumber(records_[kMine][m]->date), "different on the two sides",
                       Choice::Both, static_cast<std::int64_t>(m), pairs[m]);
    }

    void Report(int day, const char* what, Choice choice, std::int64_t mine, std::int64_t theirs) {
        Conflict conflict;
        conflict.kind = ConflictKind::Workout;
        conflict.day = day;
        conflict.what = what;
        conflict.defaultChoice = choice;
        WorkoutVersions versions;
        if (mine >= 0) {
            const auto record = static_cast<std::uint32_t>(mine);
            versions.mine = *records_[kMine][record];
            conflict.minePosition = PositionOfAdded(kMine, record);
        }
        if (theirs >= 0) {
            const auto record = static_cast<std::uint32_t>(theirs);
            versions.theirs = *records_[kTheirs][record];
            conflict.theirsPosition = PositionOfAdded(kTheirs, record);
        }
        conflict.versions = std::move(versions);
        output_.conflicts.push_back(std::move(conflict));
    }

    std::array<WorkoutRecords, 3> records_;
    Classes classes_;
    bool hasBase_;
    std::vector<Plan> plans_;
    std::vector<Entry> entries_;
    std::vector<std::size_t> positions_;  // by entry id
    WorkoutMergeOutput output_;
};

}  // namespace

WorkoutMergeOutput MergeWorkouts(WorkoutRecords base, WorkoutRecords mine, WorkoutRecords theirs,
                                 bool hasBase) {
    return WorkoutMerge(std::move(base), std::move(mine), std::move(theirs), hasBase).Run();
}

}  // namespace kadenzo::sync
