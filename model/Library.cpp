#include "Library.h"

#include <cmath>
#include <limits>

#include "Database.h"

namespace kadenzo {
namespace {

constexpr const char* kMissingName = "???";
constexpr std::uint32_t kBuiltInSportIcon = 42;

template <class T>
std::string NameOf(const T* item) {
    return item ? item->name : kMissingName;
}

template <class T>
std::uint32_t ListFingerprint(const CLibItemList<T>& list) {
    std::uint32_t total = 0;
    for (const auto& item : list) {
        std::uint32_t h = 0;
        for (std::size_t i = 0; i < item->name.size(); ++i) {
            auto c = static_cast<std::int32_t>(static_cast<signed char>(item->name[i]));
            h += static_cast<std::uint32_t>(i) * static_cast<std::uint32_t>(c);
        }
        total += item->id * h;
    }
    return total;
}

}  // namespace

std::unique_ptr<CLibrary> CLibrary::Clone() const {
    MemoryStream stream;
    {
        CArchive out(stream, CArchive::Mode::Store);
        out.WriteObject(this);
        out.Close();
    }
    MemoryStream in(stream.TakeBytes());
    CArchive ar(in, CArchive::Mode::Load);
    return ar.ReadObjectAs<CLibrary>(kClassName);
}

void CLibrary::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(computerName);
        categories.Store(ar);
        intensities.Store(ar);
        sports.Store(ar);
        subSports.Store(ar);
        tracks.Store(ar);
        workoutTemplates.Store(ar);
        eventKinds.Store(ar);
        for (std::uint32_t counter :
             {categories.idCounter, intensities.idCounter, sports.idCounter, subSports.idCounter,
              tracks.idCounter, workoutTemplates.idCounter, eventKinds.idCounter})
            ar.WriteDword(counter);
        return;
    }

    int schema = ar.GetObjectSchema();
    RemoveAll();
    computerName = ar.ReadString();
    categories.Load(ar);
    intensities.Load(ar);
    sports.Load(ar);
    subSports.Load(ar);
    tracks.Load(ar);
    workoutTemplates.Load(ar);
    // Event kinds came with schema 1, the stored counters with schema 2.
    if (schema >= 1) eventKinds.Load(ar);
    if (schema >= 2) {
        for (std::uint32_t* counter : {&categories.idCounter, &intensities.idCounter,
                                       &sports.idCounter, &subSports.idCounter, &tracks.idCounter,
                                       &workoutTemplates.idCounter, &eventKinds.idCounter})
            *counter = ar.ReadDword();
    } else {
        RecomputeIdCounters();
    }
}

std::string CLibrary::GetCategoryName(std::uint32_t id) const { return NameOf(FindCategory(id)); }
std::string CLibrary::GetIntensityName(std::uint32_t id) const { return NameOf(FindIntensity(id)); }
std::string CLibrary::GetSportName(std::uint32_t id) const { return NameOf(FindSport(id)); }
std::string CLibrary::GetSubSportName(std::uint32_t id) const { return NameOf(FindSubSport(id)); }
std::string CLibrary::GetTrackName(std::uint32_t id) const { return NameOf(FindTrack(id)); }
std::string CLibrary::GetWorkoutName(std::uint32_t id) const { return NameOf(FindWorkout(id)); }

void CLibrary::RemoveAll() {
    categories.items.clear();
    intensities.items.clear();
    sports.items.clear();
    subSports.items.clear();
    tracks.items.clear();
    workoutTemplates.items.clear();
    eventKinds.items.clear();
}

void CLibrary::RecomputeIdCounters() {
    categories.RecomputeIdCounter();
    intensities.RecomputeIdCounter();
    sports.RecomputeIdCounter();
    subSports.RecomputeIdCounter();
    tracks.RecomputeIdCounter();
    workoutTemplates.RecomputeIdCounter();
    eventKinds.RecomputeIdCounter();
}

namespace {

template <class T>
IdSet IdsOf(const CLibItemList<T>& list) {
    std::vector<std::uint32_t> ids;
    ids.reserve(list.size());
    for (const auto& item : list) ids.push_back(item->id);
    return IdSet(ids);
}

}  // namespace

IdSet::IdSet(const std::vector<std::uint32_t>& ids) {
    for (std::uint32_t id : ids) {
        if (id < kBitmapIds) {
            if (id / 64 >= bits_.size()) bits_.resize(id / 64 + 1);
            bits_[id / 64] |= std::uint64_t{1} << (id % 64);
        } else {
            large_.push_back(id);
        }
    }
    std::sort(large_.begin(), large_.end());
}

LibraryIds CLibrary::Ids() const {
    return {IdsOf(workoutTemplates), IdsOf(sports), IdsOf(subSports), IdsOf(intensities),
            IdsOf(tracks)};
}

std::int32_t CLibrary::Fingerprint() const {
    std::uint32_t total = ListFingerprint(categories) + ListFingerprint(intensities) +
                          ListFingerprint(sports) + ListFingerprint(subSports) +
                          ListFingerprint(tracks) + ListFingerprint(workoutTemplates) +
                          ListFingerprint(eventKinds);
    return static_cast<std::int32_t>(total);
}

void CLibrary::EnsureBuiltInSport(const std::string& name) {
    if (FindSport(kBuiltInSportId)) return;
    auto sport = std::make_unique<CLibSport>();
    sport->id = kBuiltInSportId;
    sport->name = name;
    sport->iconId = kBuiltInSportIcon;
    sport->hasDistance = 1;
    sport->active = 1;
    sports.Add(std::move(sport));
}

void CLibrary::SortSportsByUsage(const CDatabase& log) {
    for (const auto& workout : log.Workouts())
        if (CLibSport* sport = FindSport(workout->sportId)) sport->usageTotal += workout->duration;
    // Adjacent swaps only on "strictly greater" amount to a stable descending
    // sort. A total that is not a number (a corrupt duration) would break the
    // ordering, so it sorts as the smallest.
    auto key = [](const CLibSport& s) {
        return std::isnan(s.usageTotal) ? -std::numeric_limits<double>::infinity() : s.usageTotal;
    };
    std::stable_sort(sports.items.begin(), sports.items.end(),
                     [&](const auto& a, const auto& b) { return key(*a) > key(*b); });
}

}  // namespace kadenzo
