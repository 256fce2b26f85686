#include "Database.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "Library.h"

namespace kadenzo {

namespace {

// Smallest stored object: a 2-byte reference tag.
constexpr std::size_t kMinObjectBytes = 2;
// Smallest raw workout of an old file: date, planned value, selector, template,
// two empty strings, flag, sport, targetFixed 0, two floats, two empty strings,
// pulse byte, three ids, pulse byte, test flag.
constexpr std::size_t kMinRawWorkoutBytes =
    8 + 4 + 4 + 4 + 1 + 1 + 4 + 4 + 4 + 4 + 4 + 1 + 1 + 1 + 4 + 4 + 4 + 1 + 4;

// Fewer bytes than any stored workout takes with its tag (74 with 4-byte
// reals and empty strings).
constexpr std::size_t kMinStoredWorkoutBytes = 64;

template <class List>
void WriteList(CArchive& ar, const List& list) {
    ar.WriteCount(static_cast<std::uint32_t>(list.size()));
    for (const auto& item : list) ar.WriteObject(item.get());
}

// Appends the stored items to the list: expect hears the stored count first,
// added of each item while the item is still in the cache.
template <class T, class List, class Expect, class Added>
void ReadList(CArchive& ar, List& list, const char* className, Expect expect, Added added) {
    std::uint32_t count = ar.ReadCount(kMinObjectBytes);
    expect(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::unique_ptr<T> item = ar.ReadObjectAs<T>(className);
        if (item) added(list.insert(list.end(), std::move(item)));
    }
}

template <class T, class List>
void ReadList(CArchive& ar, List& list, const char* className) {
    ReadList<T>(
        ar, list, className, [](std::uint32_t) {}, [](auto) {});
}

}  // namespace

CDatabase::CDatabase() = default;

CDatabase::~CDatabase() = default;

double CDatabase::IndexKey(double date) {
    // NaN has no place in an ordered index; such workouts sort last.
    return std::isnan(date) ? std::numeric_limits<double>::infinity() : date;
}

void CDatabase::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.ExpectObjects(bodyInfos_.size() + events_.size() + workouts_.size());
        WriteList(ar, bodyInfos_);
        WriteList(ar, events_);
        WriteList(ar, workouts_);
        ar.WriteString(name);
        return;
    }
    DeleteContents();
    ReadList<CBodyInfo>(ar, bodyInfos_, "CBodyInfo");
    ReadList<CEvent>(ar, events_, "CEvent");
    ReadList<CWorkOut>(
        ar, workouts_, "CWorkOut",
        [this, &ar](std::uint32_t count) {
            // Only as many as the rest of the file can hold.
            const auto expected =
                std::min<std::uint64_t>(count, ar.Remaining() / kMinStoredWorkoutBytes);
            byDate_.reserve(expected);
            bySerial_.reserve(bySerial_.size() + expected);
        },
        [this](WorkoutPos added) {
            GiveHandle(added);
            IndexAppended(added);
        });
    name = ar.ReadString();
}

void CDatabase::ReadOldFormat(CArchive& ar) {
    name = ar.ReadString();
    std::uint32_t count = ar.ReadDword();
    if (count > ar.Remaining() / kMinRawWorkoutBytes)
        ar.Fail("workout count " + std::to_string(count) + " exceeds the file");
    for (std::uint32_t i = 0; i < count; ++i) {
        auto workout = std::make_unique<CWorkOut>();
        ar.SerializeRaw(*workout);
        AppendWorkout(std::move(workout));
    }
}

CDatabase::DropCounts CDatabase::RemoveInvalid(const CLibrary* library) {
    DropCounts dropped;
    const LibraryIds ids = library ? library->Ids() : LibraryIds{};
    for (auto it = workouts_.begin(); it != workouts_.end();) {
        if (library && (*it)->Validate(ids)) {
            ++it;
        } else {
            DropHandle(it);
            it = workouts_.erase(it);
            ++dropped.workouts;
        }
    }
    if (dropped.workouts != 0) RebuildIndex();
    for (auto it = events_.begin(); it != events_.end();) {
        if ((*it)->Validate(library)) {
            ++it;
        } else {
            it = events_.erase(it);
            ++dropped.events;
        }
    }
    return dropped;
}

CDatabase::WorkoutPos CDatabase::InsertAt(WorkoutPos before, std::unique_ptr<CWorkOut> workout) {
    const double key = IndexKey(workout->date);
    WorkoutPos position = workouts_.insert(before, std::move(workout));
    GiveHandle(position);
    // Among equal dates the index keeps list order: place the entry next to a
    // list neighbour with the same date.
    if (before != workouts_.end() && IndexKey((*before)->date) == key) {
        byDate_.emplace_hint(FindIndexEntry(before), key, position);
    } else if (position != workouts_.begin() && IndexKey((*std::prev(position))->date) == key) {
        byDate_.emplace_hint(std::next(FindIndexEntry(std::prev(position))), key, position);
    } else {
        byDate_.emplace(key, position);
    }
    return position;
}

CDatabase::WorkoutPos CDatabase::AddWorkout(std::unique_ptr<CWorkOut> workout) {
    // The first workout strictly later is the first index entry above the date.
    auto later = byDate_.upper_bound(IndexKey(workout->date));
    WorkoutPos before = later == byDate_.end() ? workouts_.end() : later->second;
    if (std::isnan(workout->date)) before = workouts_.end();
    return InsertAt(before, std::move(workout));
}

CDatabase::WorkoutPos CDatabase::InsertWorkoutBefore(std::unique_ptr<CWorkOut> workout,
                                                     WorkoutPos position) {
    if (position == workouts_.end()) return AddWorkout(std::move(workout));
    return InsertAt(position, std::move(workout));
}

CDatabase::WorkoutPos CDatabase::InsertWorkoutAfter(std::unique_ptr<CWorkOut> workout,
                                                    WorkoutPos position) {
    if (position == workouts_.end()) return AddWorkout(std::move(workout));
    return InsertAt(std::next(position), std::move(workout));
}

std::unique_ptr<CWorkOut> CDatabase::RemoveWorkout(WorkoutPos position) {
    EraseIndexEntry(position);
    DropHandle(position);
    std::unique_ptr<CWorkOut> workout = std::move(position->record_);
    workouts_.erase(position);
    return workout;
}

std::vector<std::unique_ptr<CWorkOut>> CDatabase::TakeWorkouts() {
    std::vector<std::unique_ptr<CWorkOut>> taken;
    taken.reserve(workouts_.size());
    for (LoggedWorkout& logged : workouts_) taken.push_back(std::move(logged.record_));
    byDate_.clear();
    // Handles given so far must find nothing from now on.
    handleBase_ += static_cast<WorkoutHandle>(bySerial_.size());
    bySerial_.clear();
    workouts_.clear();
    return taken;
}

std::unique_ptr<CWorkOut> CDatabase::ReplaceWorkout(WorkoutPos position,
                                                    std::unique_ptr<CWorkOut> workout) {
    const double newDate = workout->date;
    const double oldDate = (*position)->date;
    // The place keeps its handle.
    std::unique_ptr<CWorkOut> old = std::exchange(position->record_, std::move(workout));
    if (IndexKey(newDate) != IndexKey(oldDate) || newDate != oldDate) {
        (*position)->date = oldDate;
        SetWorkoutDate(position, newDate);
    }
    return old;
}

void CDatabase::SetWorkoutDate(WorkoutPos position, double date) {
    EraseIndexEntry(position);
    (*position)->date = date;
    // Move the node (positions stay valid) before the first strictly later workout.
    auto later = byDate_.upper_bound(IndexKey(date));
    WorkoutPos before = later == byDate_.end() ? workouts_.end() : later->second;
    if (std::isnan(date)) before = workouts_.end();
    workouts_.splice(before, workouts_, position);
    const double key = IndexKey(date);
    if (position != workouts_.begin() && IndexKey((*std::prev(position))->date) == key)
        byDate_.emplace_hint(std::next(FindIndexEntry(std::prev(position))), key, position);
    else
        byDate_.emplace_hint(later, key, position);
}

std::vector<CDatabase::WorkoutPos> CDatabase::WorkoutsBetween(double from, double to) {
    std::vector<WorkoutPos> result;
    if (!(from < to)) return result;
    for (auto it = byDate_.lower_bound(from); it != byDate_.end() && it->first < to; ++it)
        result.push_back(it->second);
    return result;
}

std::vector<CDatabase::ConstWorkoutPos> CDatabase::WorkoutsBetween(double from, double to) const {
    std::vector<ConstWorkoutPos> result;
    if (!(from < to)) return result;
    for (auto it = byDate_.lower_bound(from); it != byDate_.end() && it->first < to; ++it)
        result.push_back(it->second);
    return result;
}

CDatabase::WorkoutPos CDatabase::FirstWorkoutFrom(double date) {
    auto it = byDate_.lower_bound(IndexKey(date));
    return it == byDate_.end() ? workouts_.end() : it->second;
}

CDatabase::ConstWorkoutPos CDatabase::FirstWorkoutFrom(double date) const {
    auto it = byDate_.lower_bound(IndexKey(date));
    return it == byDate_.end() ? workouts_.cend() : ConstWorkoutPos(it->second);
}

CDatabase::DateIndex::iterator CDatabase::FindIndexEntry(WorkoutPos position) {
    auto [first, last] = byDate_.equal_range(IndexKey((*position)->date));
    for (auto it = first; it != last; ++it)
        if (it->second == position) return it;
    // Only reachable when a stored date was changed behind the index's back.
    for (auto it = byDate_.begin(); it != byDate_.end(); ++it)
        if (it->second == position) return it;
    return byDate_.end();
}

void CDatabase::EraseIndexEntry(WorkoutPos position) {
    auto entry = FindIndexEntry(position);
    if (entry != byDate_.end()) byDate_.erase(entry);
}

void CDatabase::IndexAppended(WorkoutPos position) {
    // Files are in date order, so the entry usually goes to the end.
    const double key = IndexKey((*position)->date);
    auto upper = byDate_.empty() || std::prev(byDate_.end())->first <= key
                     ? byDate_.end()
                     : byDate_.upper_bound(key);
    byDate_.emplace_hint(upper, key, position);
}

CDatabase::DateIndex::iterator CDatabase::DateIndex::lower_bound(double key) {
    return std::lower_bound(entries_.begin(), entries_.end(), key,
                            [](const Entry& e, double k) { return e.first < k; });
}

CDatabase::DateIndex::const_iterator CDatabase::DateIndex::lower_bound(double key) const {
    return std::lower_bound(entries_.begin(), entries_.end(), key,
                            [](const Entry& e, double k) { return e.first < k; });
}

CDatabase::DateIndex::iterator CDatabase::DateIndex::upper_bound(double key) {
    return std::upper_bound(entries_.begin(), entries_.end(), key,
                            [](double k, const Entry& e) { return k < e.first; });
}

std::pair<CDatabase::DateIndex::iterator, CDatabase::DateIndex::iterator>
CDatabase::DateIndex::equal_range(double key) {
    return {lower_bound(key), upper_bound(key)};
}

void CDatabase::RebuildIndex() {
    byDate_.clear();
    byDate_.reserve(workouts_.size());
    for (WorkoutPos it = workouts_.begin(); it != workouts_.end(); ++it) IndexAppended(it);
}

void CDatabase::GiveHandle(WorkoutPos position) {
    // After 2^32 handles the count wraps; 0 still names nothing.
    if (handleBase_ + static_cast<WorkoutHandle>(bySerial_.size() + 1) == 0)
        bySerial_.push_back(workouts_.end());
    bySerial_.push_back(position);
    position->serial_ = static_cast<WorkoutHandle>(bySerial_.size());
}

void CDatabase::DropHandle(WorkoutPos position) {
    if (position->serial_ != 0) bySerial_[position->serial_ - 1] = workouts_.end();
}

CDatabase::WorkoutHandle CDatabase::HandleOf(ConstWorkoutPos position) const {
    if (position == workouts_.end()) return 0;
    return handleBase_ + position->serial_;
}

std::optional<CDatabase::ConstWorkoutPos> CDatabase::FindWorkout(WorkoutHandle handle) const {
    if (handle == 0) return std::nullopt;
    // Unsigned arithmetic: a handle below the base gives a serial past the count.
    const WorkoutHandle serial = handle - handleBase_;
    if (serial == 0 || serial > bySerial_.size()) return std::nullopt;
    const WorkoutPos position = bySerial_[serial - 1];
    if (position == workouts_.end()) return std::nullopt;
    return ConstWorkoutPos(position);
}

void CDatabase::ContinueHandlesOf(const CDatabase& previous) {
    handleBase_ = previous.handleBase_ + static_cast<WorkoutHandle>(previous.bySerial_.size());
}

CDatabase::WorkoutPos CDatabase::AppendWorkout(std::unique_ptr<CWorkOut> workout) {
    WorkoutPos position = workouts_.insert(workouts_.end(), std::move(workout));
    GiveHandle(position);
    IndexAppended(position);
    return position;
}

bool CDatabase::IndexIsConsistent() const {
    if (byDate_.size() != workouts_.size()) return false;
    for (const auto& [key, position] : byDate_)
        if (IndexKey((*position)->date) != key) return false;
    return true;
}

const CBodyInfo* CDatabase::FindBodyInfo(const CalendarDateTime& date) const {
    for (const auto& info : bodyInfos_) {
        if (info->date == date) return info.get();
        if (info->date.value > date.value) break;
    }
    return nullptr;
}

CBodyInfo* CDatabase::FindBodyInfo(const CalendarDateTime& date) {
    return const_cast<CBodyInfo*>(std::as_const(*this).FindBodyInfo(date));
}

void CDatabase::SetBodyInfo(const CBodyInfo& info) {
    if (info.IsEmpty()) {
        RemoveBodyInfo(info.date);
        return;
    }
    auto it = bodyInfos_.begin();
    for (; it != bodyInfos_.end(); ++it) {
        if ((*it)->date == info.date) {
            **it = info;
            return;
        }
        if ((*it)->date.value > info.date.value) break;
    }
    bodyInfos_.insert(it, std::make_unique<CBodyInfo>(info));
}

void CDatabase::RemoveBodyInfo(const CalendarDateTime& date) {
    for (auto it = bodyInfos_.begin(); it != bodyInfos_.end(); ++it) {
        if ((*it)->date == date) {
            bodyInfos_.erase(it);
            return;
        }
        if ((*it)->date.value > date.value) return;
    }
}

void CDatabase::DeleteContents() {
    byDate_.clear();
    handleBase_ += static_cast<WorkoutHandle>(bySerial_.size());
    bySerial_.clear();
    workouts_.clear();
    bodyInfos_.clear();
    events_.clear();
    name.clear();
}

}  // namespace kadenzo
