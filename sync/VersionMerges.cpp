#include "VersionMerges.h"

#include <map>
#include <utility>

#include "DocumentFile.h"
#include "DocumentMerge.h"
#include "Library.h"

namespace kadenzo::sync {
namespace {

using ItemKey = std::pair<int, std::uint32_t>;  // list, id
using ItemNames = std::map<ItemKey, std::string>;

template <class T>
void AddNames(ItemNames& names, int list, const CLibItemList<T>& items) {
    for (const auto& item : items) names.emplace(ItemKey{list, item->id}, item->name);
}

ItemNames NamesOf(const CLibrary& library) {
    ItemNames names;
    AddNames(names, 0, library.categories);
    AddNames(names, 1, library.intensities);
    AddNames(names, 2, library.sports);
    AddNames(names, 3, library.subSports);
    AddNames(names, 4, library.tracks);
    AddNames(names, 5, library.workoutTemplates);
    AddNames(names, 6, library.eventKinds);
    return names;
}

// Whether the three-way merge would take THEIRS' value where MINE kept
// BASE's: THEIRS changed it, or (for a library item) lacks it.
template <class V>
bool TakesTheirs(const V& base, const V& mine, const V& theirs) {
    return mine == base && theirs != base;
}

bool TakesTheirsOutsideTheLog(const DocumentContents& base, const DocumentContents& mine,
                              const DocumentContents& theirs) {
    if (TakesTheirs(base.log->name, mine.log->name, theirs.log->name) ||
        TakesTheirs(base.birthDate, mine.birthDate, theirs.birthDate) ||
        TakesTheirs(base.maxHeartRate, mine.maxHeartRate, theirs.maxHeartRate) ||
        TakesTheirs(base.hrFormula, mine.hrFormula, theirs.hrFormula))
        return true;
    const ItemNames b = NamesOf(*base.library), m = NamesOf(*mine.library),
                    t = NamesOf(*theirs.library);
    for (const auto& [key, name] : m) {
        const auto inBase = b.find(key);
        if (inBase == b.end() || inBase->second != name) continue;  // MINE's own change
        const auto inTheirs = t.find(key);
        if (inTheirs == t.end() || inTheirs->second != name) return true;
    }
    return false;
}

bool RemovesRecords(const MergeResult& result) {
    return result.Workouts().removed != 0 || result.BodyInfos().removed != 0 ||
           result.Events().removed != 0;
}

}  // namespace

MergeResult MergeChangedFile(const std::optional<std::vector<std::uint8_t>>& base,
                             const std::vector<std::uint8_t>& mine,
                             const std::vector<std::uint8_t>& theirs) {
    if (base) return MergeDocuments(ReadDocument(*base), ReadDocument(mine), ReadDocument(theirs));
    return MergeDocuments(ReadDocument(mine), ReadDocument(theirs));
}

MergeResult MergeConflictedCopy(const std::optional<std::vector<std::uint8_t>>& base,
                                const std::vector<std::uint8_t>& mine,
                                const std::vector<std::uint8_t>& copy) {
    if (base) {
        DocumentContents b = ReadDocument(*base), m = ReadDocument(mine), c = ReadDocument(copy);
        if (!TakesTheirsOutsideTheLog(b, m, c)) {
            MergeResult threeWay = MergeDocuments(std::move(b), std::move(m), std::move(c));
            if (!RemovesRecords(threeWay)) return threeWay;
        }
    }
    return MergeDocuments(ReadDocument(mine), ReadDocument(copy));
}

}  // namespace kadenzo::sync
