#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "Database.h"
#include "Library.h"
#include "MergeResult.h"
#include "MergedParts.h"

namespace kadenzo::sync {

// Calls f(list, items) with the list of that name.
template <class Library, class F>
decltype(auto) WithList(Library& library, LibraryList list, F&& f) {
    switch (list) {
        case LibraryList::Categories:
            return f(library.categories);
        case LibraryList::Intensities:
            return f(library.intensities);
        case LibraryList::Sports:
            return f(library.sports);
        case LibraryList::SubSports:
            return f(library.subSports);
        case LibraryList::Tracks:
            return f(library.tracks);
        case LibraryList::Templates:
            return f(library.workoutTemplates);
        case LibraryList::EventKinds:
            break;
    }
    return f(library.eventKinds);
}

inline constexpr std::array<LibraryList, 7> kAllLists = {
    LibraryList::Categories, LibraryList::Intensities, LibraryList::Sports,
    LibraryList::SubSports,  LibraryList::Tracks,      LibraryList::Templates,
    LibraryList::EventKinds};

// New ids that THEIRS' items took, list by list.
class Renumbering {
public:
    std::uint32_t Map(LibraryList list, std::uint32_t id) const {
        const auto& ids = ids_[static_cast<std::size_t>(list)];
        auto it = ids.find(id);
        return it == ids.end() ? id : it->second;
    }
    void Add(LibraryList list, std::uint32_t from, std::uint32_t to) {
        ids_[static_cast<std::size_t>(list)][from] = to;
    }
    bool Empty() const {
        for (const auto& ids : ids_)
            if (!ids.empty()) return false;
        return true;
    }
    // THEIRS' records follow their items' new ids.
    void Apply(CDatabase& log) const;

private:
    std::array<std::unordered_map<std::uint32_t, std::uint32_t>, 7> ids_;
};

// Where MINE and THEIRS hold different items under one id that BASE lacks
// (without BASE: one id, two names), THEIRS' item takes an id above every id
// and counter of any side; THEIRS' items that refer to it follow. Throws
// std::runtime_error when a list has no id left.
Renumbering RenumberClashes(const CLibrary* base, const CLibrary& mine, CLibrary& theirs);

struct LibraryMergeOutput {
    std::unique_ptr<CLibrary> library;  // tentative items included
    std::vector<TentativeItem> tentative;
    std::vector<Conflict> conflicts;
};

// Items matched by id, list by list (THEIRS renumbered first). Without BASE
// nothing is removed, and one id with two contents keeps MINE's (a conflict).
LibraryMergeOutput MergeLibraries(const CLibrary* base, const CLibrary& mine,
                                  const CLibrary& theirs);

// Puts a copy of the version in place of the item with its id.
void PutItem(CLibrary& library, LibraryList list, const CLibraryBaseItem& version);

// Deletes the tentative items that no record of the log and no other item
// refers to.
void DropUnreferenced(CLibrary& library, const std::vector<TentativeItem>& tentative,
                      const CDatabase& log);

}  // namespace kadenzo::sync
