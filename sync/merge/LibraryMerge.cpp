#include "LibraryMerge.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <unordered_set>

#include "RecordIdentity.h"

namespace kadenzo::sync {
namespace {

template <class T>
struct ListOf;
template <>
struct ListOf<CLibCategory> {
    static constexpr LibraryList kList = LibraryList::Categories;
    static constexpr auto kMember = &CLibrary::categories;
    static constexpr const char* kNoun = "category";
};
template <>
struct ListOf<CLibIntensity> {
    static constexpr LibraryList kList = LibraryList::Intensities;
    static constexpr auto kMember = &CLibrary::intensities;
    static constexpr const char* kNoun = "intensity";
};
template <>
struct ListOf<CLibSport> {
    static constexpr LibraryList kList = LibraryList::Sports;
    static constexpr auto kMember = &CLibrary::sports;
    static constexpr const char* kNoun = "sport";
};
template <>
struct ListOf<CLibSubSport> {
    static constexpr LibraryList kList = LibraryList::SubSports;
    static constexpr auto kMember = &CLibrary::subSports;
    static constexpr const char* kNoun = "sub-sport";
};
template <>
struct ListOf<CLibTrack> {
    static constexpr LibraryList kList = LibraryList::Tracks;
    static constexpr auto kMember = &CLibrary::tracks;
    static constexpr const char* kNoun = "track";
};
template <>
struct ListOf<CLibWorkout> {
    static constexpr LibraryList kList = LibraryList::Templates;
    static constexpr auto kMember = &CLibrary::workoutTemplates;
    static constexpr const char* kNoun = "workout template";
};
template <>
struct ListOf<CLibEvent> {
    static constexpr LibraryList kList = LibraryList::EventKinds;
    static constexpr auto kMember = &CLibrary::eventKinds;
    static constexpr const char* kNoun = "event kind";
};

// Lists that others refer to come first, so that items referring to a
// renumbered item are compared with its new id.
template <class F>
void ForEachItemClass(F&& f) {
    f.template operator()<CLibCategory>();
    f.template operator()<CLibSport>();
    f.template operator()<CLibIntensity>();
    f.template operator()<CLibEvent>();
    f.template operator()<CLibSubSport>();
    f.template operator()<CLibTrack>();
    f.template operator()<CLibWorkout>();
}

template <class T, class Library>
auto& Items(Library& library) {
    return library.*ListOf<T>::kMember;
}

// The ids an item refers to (kNoId means none chosen).
template <class T, class F>
void ItemReferences(T& item, F&& f) {
    using Plain = std::remove_const_t<T>;
    auto refer = [&](LibraryList list, auto& id) {
        if (id != kNoId) f(list, id);
    };
    if constexpr (std::is_same_v<Plain, CLibWorkout>) {
        refer(LibraryList::Categories, item.categoryId);
        refer(LibraryList::Sports, item.sportId);
    } else if constexpr (std::is_same_v<Plain, CLibSubSport> || std::is_same_v<Plain, CLibTrack>) {
        refer(LibraryList::Sports, item.sportId);
    }
}

// A workout's ids; 0 in the sport, sub-sport, intensity and track means none.
template <class W, class F>
void WorkoutReferences(W& workout, F&& f) {
    f(LibraryList::Templates, workout.templateId);
    auto optional = [&](LibraryList list, auto& id) {
        if (id != 0) f(list, id);
    };
    optional(LibraryList::Sports, workout.sportId);
    optional(LibraryList::SubSports, workout.subSportId);
    optional(LibraryList::Intensities, workout.intensityId);
    optional(LibraryList::Tracks, workout.trackId);
}

template <class T>
std::unordered_map<std::uint32_t, const T*> ById(const CLibItemList<T>* list) {
    std::unordered_map<std::uint32_t, const T*> byId;
    if (list)
        for (const auto& item : *list) byId.try_emplace(item->id, item.get());
    return byId;
}

template <class T>
const T* Lookup(const std::unordered_map<std::uint32_t, const T*>& byId, std::uint32_t id) {
    auto it = byId.find(id);
    return it == byId.end() ? nullptr : it->second;
}

bool SameItem(const CLibraryBaseItem* a, const CLibraryBaseItem* b) {
    if (!a || !b) return a == b;
    return StoredBytes(*a) == StoredBytes(*b);
}

template <class T>
std::shared_ptr<const CLibraryBaseItem> Copy(const T* item) {
    if (!item) return nullptr;
    return std::make_shared<T>(*item);
}

template <class T>
std::uint32_t LargestId(const CLibItemList<T>& list) {
    std::uint32_t largest = list.idCounter;
    for (const auto& item : list) largest = std::max(largest, item->id);
    return largest;
}

// Merges one list by id into out (empty), appending its conflicts.
template <class T>
class ListMerge {
public:
    ListMerge(const CLibItemList<T>* base, const CLibItemList<T>& mine,
              const CLibItemList<T>& theirs, LibraryMergeOutput& output)
        : base_(ById(base)),
          mine_(ById(&mine)),
          theirs_(ById(&theirs)),
          hasBase_(base != nullptr),
          output_(output),
          out_(Items<T>(*output.library)) {}

    void Run(const CLibItemList<T>* base, const CLibItemList<T>& mine,
             const CLibItemList<T>& theirs) {
        // MINE's order first, then what only THEIRS has, then what only BASE has.
        for (const auto& item : mine) {
            if (emitted_.insert(item->id).second)
                Decide(item->id);
            else
                Emit(item.get());  // a damaged list's second item of one id stays as it is
        }
        for (const auto& item : theirs)
            if (emitted_.insert(item->id).second) Decide(item->id);
        if (base)
            for (const auto& item : *base)
                if (emitted_.insert(item->id).second) Decide(item->id);
        std::uint32_t counter = mine.idCounter;
        counter = std::max(counter, theirs.idCounter);
        if (base) counter = std::max(counter, base->idCounter);
        for (const auto& item : out_) counter = std::max(counter, item->id);
        out_.idCounter = counter;
    }

private:
    void Decide(std::uint32_t id) {
        const T* b = Lookup(base_, id);
        const T* m = Lookup(mine_, id);
        const T* t = Lookup(theirs_, id);
        if (!hasBase_) {
            Emit(m ? m : t);
            if (m && t && !SameItem(m, t))
                Report(id, "different on the two sides", m, t, Choice::Mine);
            return;
        }
        if (m && t) {
            Emit(SameItem(m, b) ? t : m);
            if (!SameItem(m, b) && !SameItem(t, b) && !SameItem(m, t))
                Report(id, "edited on both sides", m, t, Choice::Mine);
        } else if (m || t) {
            const T* kept = m ? m : t;
            Emit(kept);
            if (!b) return;  // added on one side
            if (SameItem(kept, b))
                Tentative(id);  // removed on the other side
            else
                Report(id, "edited and removed", m, t, m ? Choice::Mine : Choice::Theirs);
        } else {
            Emit(b);  // removed on both sides
            Tentative(id);
        }
    }

    void Emit(const T* item) { out_.Add(std::make_unique<T>(*item)); }
    void Tentative(std::uint32_t id) { output_.tentative.push_back({ListOf<T>::kList, id}); }
    void Report(std::uint32_t id, const char* what, const T* m, const T* t, Choice choice) {
        Conflict conflict;
        conflict.kind = ConflictKind::Library;
        conflict.what = std::string(ListOf<T>::kNoun) + " " + std::to_string(id) + " " + what;
        conflict.defaultChoice = choice;
        conflict.versions = LibraryVersions{ListOf<T>::kList, id, Copy(m), Copy(t)};
        output_.conflicts.push_back(std::move(conflict));
    }

    std::unordered_map<std::uint32_t, const T*> base_, mine_, theirs_;
    bool hasBase_;
    LibraryMergeOutput& output_;
    CLibItemList<T>& out_;
    std::unordered_set<std::uint32_t> emitted_;
};

}  // namespace

void Renumbering::Apply(CDatabase& log) const {
    if (Empty()) return;
    for (auto it = log.BeginWorkouts(); it != log.EndWorkouts(); ++it)
        WorkoutReferences(**it, [&](LibraryList list, std::uint32_t& id) { id = Map(list, id); });
    for (auto& event : log.Events()) {
        if (event->IsBuiltInKind()) continue;
        event->kind = static_cast<std::int32_t>(
            Map(LibraryList::EventKinds, static_cast<std::uint32_t>(event->kind)));
    }
}

Renumbering RenumberClashes(const CLibrary* base, const CLibrary& mine, CLibrary& theirs) {
    Renumbering renumbering;
    ForEachItemClass([&]<class T>() {
        auto& theirsItems = Items<T>(theirs);
        for (auto& item : theirsItems)
            ItemReferences(*item, [&](LibraryList list, std::uint32_t& id) {
                id = renumbering.Map(list, id);
            });
        const auto mineById = ById(&Items<T>(mine));
        const auto baseById = ById(base ? &Items<T>(*base) : nullptr);
        std::uint32_t top = std::max(LargestId(Items<T>(mine)), LargestId(theirsItems));
        if (base) top = std::max(top, LargestId(Items<T>(*base)));
        std::unordered_set<std::uint32_t> seen;
        for (auto& item : theirsItems) {
            if (!seen.insert(item->id).second) continue;
            const T* m = Lookup(mineById, item->id);
            if (!m) continue;
            const bool clash = base ? !Lookup(baseById, item->id) && !SameItem(m, item.get())
                                    : m->name != item->name;
            if (!clash) continue;
            if (top >= kNoId - 1)
                throw std::runtime_error(std::string("no id is left for another ") +
                                         ListOf<T>::kNoun);
            renumbering.Add(ListOf<T>::kList, item->id, ++top);
            item->id = top;
        }
    });
    return renumbering;
}

LibraryMergeOutput MergeLibraries(const CLibrary* base, const CLibrary& mine,
                                  const CLibrary& theirs) {
    LibraryMergeOutput output;
    output.library = std::make_unique<CLibrary>();
    ForEachItemClass([&]<class T>() {
        const CLibItemList<T>* baseItems = base ? &Items<T>(*base) : nullptr;
        ListMerge<T>(baseItems, Items<T>(mine), Items<T>(theirs), output)
            .Run(baseItems, Items<T>(mine), Items<T>(theirs));
    });
    return output;
}

void PutItem(CLibrary& library, LibraryList list, const CLibraryBaseItem& version) {
    ForEachItemClass([&]<class T>() {
        if (ListOf<T>::kList != list) return;
        for (auto& item : Items<T>(library).items)
            if (item->id == version.id) {
                item = std::make_unique<T>(dynamic_cast<const T&>(version));
                return;
            }
    });
}

void DropUnreferenced(CLibrary& library, const std::vector<TentativeItem>& tentative,
                      const CDatabase& log) {
    if (tentative.empty()) return;
    std::array<std::unordered_set<std::uint32_t>, 7> used;
    auto use = [&](LibraryList list, std::uint32_t id) {
        used[static_cast<std::size_t>(list)].insert(id);
    };
    for (const auto& workout : log.Workouts())
        WorkoutReferences(*workout, [&](LibraryList list, std::uint32_t id) { use(list, id); });
    for (const auto& event : log.Events())
        if (!event->IsBuiltInKind())
            use(LibraryList::EventKinds, static_cast<std::uint32_t>(event->kind));
    auto isTentative = [&](LibraryList list, std::uint32_t id) {
        return std::find(tentative.begin(), tentative.end(), TentativeItem{list, id}) !=
               tentative.end();
    };
    // Items that refer to others go first: a dropped template no longer keeps
    // its category.
    auto drop = [&]<class T>() {
        auto& items = Items<T>(library).items;
        std::erase_if(items, [&](const std::unique_ptr<T>& item) {
            return isTentative(ListOf<T>::kList, item->id) &&
                   !used[static_cast<std::size_t>(ListOf<T>::kList)].contains(item->id);
        });
        for (const auto& item : items)
            ItemReferences(*item, [&](LibraryList list, std::uint32_t id) { use(list, id); });
    };
    drop.operator()<CLibWorkout>();
    drop.operator()<CLibSubSport>();
    drop.operator()<CLibTrack>();
    drop.operator()<CLibIntensity>();
    drop.operator()<CLibEvent>();
    drop.operator()<CLibCategory>();
    drop.operator()<CLibSport>();
}

}  // namespace kadenzo::sync
