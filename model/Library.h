#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Archive.h"
#include "LibraryItems.h"

namespace kadenzo {

class CDatabase;

// A set of ids checked once for each record of a diary. Ids are any 32-bit
// number but nearly always small: those answer from a bitmap, without the
// unpredictable branches of a binary search; the rest from a sorted list.
class IdSet {
public:
    IdSet() = default;
    explicit IdSet(const std::vector<std::uint32_t>& ids);
    bool Has(std::uint32_t id) const {
        if (id / 64 < bits_.size()) return (bits_[id / 64] >> (id % 64)) & 1u;
        return std::binary_search(large_.begin(), large_.end(), id);
    }

private:
    static constexpr std::uint32_t kBitmapIds = 1u << 16;
    std::vector<std::uint64_t> bits_;   // ids below kBitmapIds
    std::vector<std::uint32_t> large_;  // the others, sorted
};

// The ids of a library's items, to check many records quickly.
struct LibraryIds {
    IdSet workoutTemplates, sports, subSports, intensities, tracks;
};

// One list of library items: owned items in their order and the identifier most
// recently handed out in this list.
template <class T>
class CLibItemList {
public:
    using Items = std::vector<std::unique_ptr<T>>;

    // The first item with this id, or null.
    T* Find(std::uint32_t id) const {
        for (const auto& item : items)
            if (item->id == id) return item.get();
        return nullptr;
    }
    // Appends an item and returns it.
    T& Add(std::unique_ptr<T> item) { return *items.emplace_back(std::move(item)); }
    // A new item with the next identifier (idCounter + 1, kept as the new counter).
    // A counter that wrapped around or lags behind the stored ids skips the ids
    // in use and the two that mean "none", so an id never names two items.
    T& AddNew() {
        auto item = std::make_unique<T>();
        do {
            ++idCounter;
        } while (idCounter == 0 || idCounter == kNoId || Find(idCounter));
        item->id = idCounter;
        return Add(std::move(item));
    }
    // Deletes the item at this position.
    void RemoveAt(std::size_t index) {
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(index));
    }
    // max(1, largest id as unsigned) + 1; an empty list gives 2.
    void RecomputeIdCounter() {
        std::uint32_t largest = 1;
        for (const auto& item : items) largest = std::max(largest, item->id);
        idCounter = largest + 1;
    }
    std::size_t size() const { return items.size(); }
    bool empty() const { return items.empty(); }
    T& operator[](std::size_t index) const { return *items[index]; }
    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }

    void Store(CArchive& ar) const {
        ar.WriteCount(static_cast<std::uint32_t>(items.size()));
        for (const auto& item : items) ar.WriteObject(item.get());
    }
    // Appends the items of one stored object list.
    void Load(CArchive& ar) {
        std::uint32_t count = ar.ReadCount(2);  // each element has at least a tag word
        for (std::uint32_t i = 0; i < count; ++i) {
            std::unique_ptr<T> item = ar.ReadObjectAs<T>(T::kClassName);
            // Lookups dereference every element, so an empty slot makes the file unusable.
            if (!item) ar.Fail(std::string("empty element in the list of ") + T::kClassName);
            items.push_back(std::move(item));
        }
    }

    Items items;
    std::uint32_t idCounter = 2;
};

// The user's reference items: categories, sports, templates, sub-sports, tracks,
// intensities and event kinds, each list with its own identifiers. Workouts,
// templates and events refer to items by id only.
class CLibrary : public CSerializable {
public:
    static constexpr const char* kClassName = "CLibrary";
    static constexpr int kSchema = 2;
    static constexpr std::uint32_t kBuiltInSportId = 100;
    static constexpr std::uint32_t kBuiltInSportNameText = 33109;

    CLibrary() = default;
    // A deep copy with the same ids, counters and computer name.
    std::unique_ptr<CLibrary> Clone() const;

    const char* ClassName() const override { return kClassName; }
    int Schema() const override { return kSchema; }
    // Schema 2 stores everything; loading also reads schema 1 (counters
    // recomputed), 0 and raw -1 (no event kinds either).
    void Serialize(CArchive& ar) override;

    CLibCategory* FindCategory(std::uint32_t id) const { return categories.Find(id); }
    CLibIntensity* FindIntensity(std::uint32_t id) const { return intensities.Find(id); }
    CLibSport* FindSport(std::uint32_t id) const { return sports.Find(id); }
    CLibSubSport* FindSubSport(std::uint32_t id) const { return subSports.Find(id); }
    CLibTrack* FindTrack(std::uint32_t id) const { return tracks.Find(id); }
    CLibWorkout* FindWorkout(std::uint32_t id) const { return workoutTemplates.Find(id); }
    CLibEvent* FindEvent(std::uint32_t id) const { return eventKinds.Find(id); }

    // The item's name, or "???" when no item has that id.
    std::string GetCategoryName(std::uint32_t id) const;
    std::string GetIntensityName(std::uint32_t id) const;
    std::string GetSportName(std::uint32_t id) const;
    std::string GetSubSportName(std::uint32_t id) const;
    std::string GetTrackName(std::uint32_t id) const;
    std::string GetWorkoutName(std::uint32_t id) const;

    LibraryIds Ids() const;

    // Deletes every item of every list (the counters stay).
    void RemoveAll();
    void RecomputeIdCounters();
    // Sum over all items of id x (sum of i x name[i], characters signed), in
    // 32-bit wrap-around arithmetic; ids and names only.
    std::int32_t Fingerprint() const;
    // Appends sport 100 (named by text 33109, icon 42, with distance, active)
    // when missing.
    void EnsureBuiltInSport(const std::string& name);
    // Adds each workout's duration to its sport's usageTotal (not reset first),
    // then orders the sports by usageTotal, largest first, equal totals keeping
    // their order.
    void SortSportsByUsage(const CDatabase& log);

    std::string computerName;  // network name of the computer the library was first built on
    CLibItemList<CLibCategory> categories;
    CLibItemList<CLibSport> sports;
    CLibItemList<CLibWorkout> workoutTemplates;
    CLibItemList<CLibSubSport> subSports;
    CLibItemList<CLibTrack> tracks;
    CLibItemList<CLibIntensity> intensities;
    CLibItemList<CLibEvent> eventKinds;
};

}  // namespace kadenzo
