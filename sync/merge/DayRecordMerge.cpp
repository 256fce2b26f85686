#include "DayRecordMerge.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <utility>

#include "DateTime.h"
#include "EventDayMap.h"
#include "RecordIdentity.h"

namespace kadenzo::sync {
namespace {

using BodyVersion = std::vector<const CBodyInfo*>;

// The log holds one record per date; records of one day with another date
// status (damaged files) are kept apart rather than merged into one.
struct DayKey {
    int day;
    std::int32_t status;
    auto operator<=>(const DayKey&) const = default;
};

DayKey KeyOf(const CBodyInfo& info) { return {DayNumber(info.date.value), info.date.status}; }

bool Same(const BodyVersion& a, const BodyVersion& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](const CBodyInfo* x, const CBodyInfo* y) { return SameBodyInfo(*x, *y); });
}

// Records of `from` without an equal one in `in`, each record matched once.
std::int64_t Unmatched(const BodyVersion& from, const BodyVersion& in) {
    std::vector<bool> used(in.size(), false);
    std::int64_t unmatched = 0;
    for (const CBodyInfo* record : from) {
        bool found = false;
        for (std::size_t i = 0; i < in.size() && !found; ++i)
            if (!used[i] && SameBodyInfo(*record, *in[i])) used[i] = found = true;
        if (!found) ++unmatched;
    }
    return unmatched;
}

std::vector<CBodyInfo> Copies(const BodyVersion& version) {
    std::vector<CBodyInfo> copies;
    for (const CBodyInfo* record : version) copies.push_back(*record);
    return copies;
}

// What a change of one thing on both sides is called.
const char* ConflictText(bool hasBase, bool base, bool mine, bool theirs) {
    if (!hasBase) return "different on the two sides";
    if (!base) return "added on both sides";
    if (!mine || !theirs) return "edited and removed";
    return "edited on both sides";
}

bool SameList(const CDatabase::EventList& a, const CDatabase::EventList& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](const auto& x, const auto& y) { return x->IsEqual(*y); });
}

}  // namespace

BodyInfoMergeOutput MergeBodyInfos(const CDatabase::BodyInfoList* base,
                                   const CDatabase::BodyInfoList& mine,
                                   const CDatabase::BodyInfoList& theirs) {
    std::map<DayKey, std::array<BodyVersion, 3>> days;
    const std::array<const CDatabase::BodyInfoList*, 3> sides = {base, &mine, &theirs};
    for (std::size_t s = 0; s < sides.size(); ++s)
        if (sides[s])
            for (const auto& info : *sides[s]) days[KeyOf(*info)][s].push_back(info.get());

    BodyInfoMergeOutput output;
    const bool hasBase = base != nullptr;
    for (const auto& [key, versions] : days) {
        const auto& [b, m, t] = versions;
        const BodyVersion* kept = &m;
        bool conflict = false;
        if (!hasBase) {
            if (m.empty()) kept = &t;
            conflict = !m.empty() && !t.empty() && !Same(m, t);
        } else if (Same(m, b)) {
            kept = &t;
        } else if (!Same(t, b) && !Same(m, t)) {
            conflict = true;
        }
        for (const CBodyInfo* record : *kept)
            output.merged.push_back(std::make_unique<CBodyInfo>(*record));
        output.counts.added += Unmatched(*kept, m);
        output.counts.removed += Unmatched(m, *kept);
        if (!conflict) continue;
        Conflict c;
        c.kind = ConflictKind::BodyInfo;
        if (key.status == CalendarDateTime::kValid) c.day = key.day;
        c.what = ConflictText(hasBase, !b.empty(), !m.empty(), !t.empty());
        c.defaultChoice = Choice::Mine;
        c.versions = BodyInfoVersions{key.day, key.status, Copies(m), Copies(t)};
        output.conflicts.push_back(std::move(c));
    }
    return output;
}

EventMergeOutput MergeEvents(CDatabase::EventList* base, CDatabase::EventList mine,
                             CDatabase::EventList theirs) {
    const bool hasBase = base != nullptr;
    const EventDayMap baseDays = base ? EventDayMap(*base) : EventDayMap();
    const EventDayMap mineDays(mine);
    const EventDayMap theirsDays(theirs);

    // Within two neighbouring bounds no side changes its event.
    std::vector<long long> bounds;
    for (const EventDayMap* days : {&baseDays, &mineDays, &theirsDays})
        for (const EventDayMap::Span& span : days->Spans()) {
            bounds.push_back(span.first);
            bounds.push_back(static_cast<long long>(span.last) + 1);
        }
    std::sort(bounds.begin(), bounds.end());
    bounds.erase(std::unique(bounds.begin(), bounds.end()), bounds.end());

    EventMergeOutput output;
    EventDayMap merged;
    for (std::size_t i = 0; i + 1 < bounds.size(); ++i) {
        const int first = static_cast<int>(bounds[i]);
        const int last = static_cast<int>(bounds[i + 1] - 1);
        const long long days = bounds[i + 1] - bounds[i];
        const std::optional<EventOnDay> b = baseDays.At(first);
        const std::optional<EventOnDay> m = mineDays.At(first);
        const std::optional<EventOnDay> t = theirsDays.At(first);
        std::optional<EventOnDay> kept = m;
        bool conflict = false;
        if (!hasBase) {
            if (!m) kept = t;
            conflict = m && t && *m != *t;
        } else if (m == b) {
            kept = t;
        } else {
            conflict = t != b && t != m;
        }
        merged.Assign(first, last, kept);
        if (kept != m) {
            if (kept) output.counts.added += days;
            if (m) output.counts.removed += days;
        }
        if (!conflict) continue;
        // Neighbouring days that differ alike are one conflict.
        if (!output.conflicts.empty()) {
            Conflict& previous = output.conflicts.back();
            auto& versions = std::get<EventVersions>(previous.versions);
            const char* what = ConflictText(hasBase, b.has_value(), m.has_value(), t.has_value());
            if (static_cast<long long>(versions.lastDay) + 1 == first && versions.mine == m &&
                versions.theirs == t && previous.what == what) {
                versions.lastDay = last;
                continue;
            }
        }
        Conflict c;
        c.kind = ConflictKind::Event;
        c.day = first;
        c.what = ConflictText(hasBase, b.has_value(), m.has_value(), t.has_value());
        c.defaultChoice = Choice::Mine;
        c.versions = EventVersions{last, m, t};
        output.conflicts.push_back(std::move(c));
    }

    // A list only one side changed is kept as stored, overlaps and times of
    // day included: the days it holds are the merged days.
    if (hasBase && SameList(mine, *base))
        output.merged = std::move(theirs);
    else if ((hasBase && SameList(theirs, *base)) || SameList(mine, theirs) ||
             (!hasBase && theirs.empty()))
        output.merged = std::move(mine);
    else if (!hasBase && mine.empty())
        output.merged = std::move(theirs);
    else
        output.merged = merged.Periods();
    return output;
}

}  // namespace kadenzo::sync
