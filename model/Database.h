#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Archive.h"
#include "BodyInfo.h"
#include "DateTime.h"
#include "Event.h"
#include "SlabPool.h"
#include "WorkOut.h"

namespace kadenzo {

class CLibrary;

// The training log of one document: workouts, body data and calendar events,
// plus the log's name. Owns every record in its lists.
//
// Workouts are kept in ascending order of date (equal dates in insertion order).
// Positions (WorkoutPos) are list iterators and stay valid until that workout is
// removed. A date index kept in step with the list answers range queries in
// O(log n + k); change a stored workout's date only through SetWorkoutDate or
// ReplaceWorkout so that the index follows.
class CDatabase : public CSerializable {
public:
    // Names a workout's place in the log for whoever must hold on to it across
    // changes (a selection, a drag); 0 names nothing. See HandleOf.
    using WorkoutHandle = std::uint32_t;

    // One workout of the log with the serial of its handle. Reached through
    // a const log it is a const record, so that only the log's changing
    // interface (which the document's edit functions use) can alter it.
    class LoggedWorkout {
    public:
        LoggedWorkout(std::unique_ptr<CWorkOut> record) : record_(std::move(record)) {}
        CWorkOut* operator->() { return record_.get(); }
        const CWorkOut* operator->() const { return record_.get(); }
        CWorkOut& operator*() { return *record_; }
        const CWorkOut& operator*() const { return *record_; }
        CWorkOut* get() { return record_.get(); }
        const CWorkOut* get() const { return record_.get(); }

    private:
        friend class CDatabase;
        std::unique_ptr<CWorkOut> record_;
        WorkoutHandle serial_ = 0;
    };

    using WorkoutList = std::list<LoggedWorkout, SlabAllocator<LoggedWorkout>>;
    using WorkoutPos = WorkoutList::iterator;
    using ConstWorkoutPos = WorkoutList::const_iterator;
    using BodyInfoList = std::list<std::unique_ptr<CBodyInfo>>;
    using EventList = std::list<std::unique_ptr<CEvent>>;

    // Records dropped by RemoveInvalid.
    struct DropCounts {
        std::size_t workouts = 0;
        std::size_t events = 0;
        std::size_t Total() const { return workouts + events; }
    };

    static constexpr int kSchema = 0;

    CDatabase();
    ~CDatabase() override;
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;

    const char* ClassName() const override { return "CDatabase"; }
    int Schema() const override { return kSchema; }
    // Body data, events and workouts as object lists, then the name. Loading
    // reads the records as stored; the reader then calls RemoveInvalid.
    void Serialize(CArchive& ar) override;
    // The log of a file written before the magic text existed: name, a plain
    // 32-bit count and that many raw workouts. Appends to this (emptied) log.
    void ReadOldFormat(CArchive& ar);
    // Drops workouts whose template and events whose kind the library lacks
    // (all of them for a null library), resetting dangling item references of
    // the workouts kept.
    DropCounts RemoveInvalid(const CLibrary* library);

    // Workouts.
    const WorkoutList& Workouts() const { return workouts_; }
    std::size_t WorkoutCount() const { return workouts_.size(); }
    WorkoutPos BeginWorkouts() { return workouts_.begin(); }
    WorkoutPos EndWorkouts() { return workouts_.end(); }
    ConstWorkoutPos BeginWorkouts() const { return workouts_.begin(); }
    ConstWorkoutPos EndWorkouts() const { return workouts_.end(); }
    // The changeable position of a workout that views found through const access.
    WorkoutPos MutablePosition(ConstWorkoutPos position) {
        return workouts_.erase(position, position);
    }
    // Inserts before the first workout whose date is strictly later.
    WorkoutPos AddWorkout(std::unique_ptr<CWorkOut> workout);
    // Next to the given position without checking the date order (the caller
    // picks a position that keeps it); EndWorkouts() behaves as AddWorkout.
    WorkoutPos InsertWorkoutBefore(std::unique_ptr<CWorkOut> workout, WorkoutPos position);
    WorkoutPos InsertWorkoutAfter(std::unique_ptr<CWorkOut> workout, WorkoutPos position);
    // Appends as a file lists it: no date check.
    WorkoutPos AppendWorkout(std::unique_ptr<CWorkOut> workout);
    // Takes the workout out of the log and hands it back; the position dies.
    std::unique_ptr<CWorkOut> RemoveWorkout(WorkoutPos position);
    // Takes every workout out of the log at once, in list order (removing
    // them one by one would shift the date index each time).
    std::vector<std::unique_ptr<CWorkOut>> TakeWorkouts();
    // Puts a new record in place of the one at position and returns the old one.
    // When the date changed the workout moves to its place in date order; the
    // position stays valid either way.
    std::unique_ptr<CWorkOut> ReplaceWorkout(WorkoutPos position,
                                             std::unique_ptr<CWorkOut> workout);
    void SetWorkoutDate(WorkoutPos position, double date);
    // Workouts with from <= date < to, by date (equal dates in list order).
    std::vector<WorkoutPos> WorkoutsBetween(double from, double to);
    std::vector<ConstWorkoutPos> WorkoutsBetween(double from, double to) const;
    // The first workout in list order whose date is at or after the given date,
    // or EndWorkouts().
    WorkoutPos FirstWorkoutFrom(double date);
    ConstWorkoutPos FirstWorkoutFrom(double date) const;

    // A workout's handle, given when the workout enters the log and kept while
    // it stays (a replaced record keeps its place's handle). A handle is never
    // given twice, not even by a log that replaces this one (see
    // ContinueHandlesOf), so one held too long finds nothing rather than
    // another workout. 0 for EndWorkouts().
    WorkoutHandle HandleOf(ConstWorkoutPos position) const;
    // The workout with that handle, or nothing when it has left the log.
    std::optional<ConstWorkoutPos> FindWorkout(WorkoutHandle handle) const;
    // Makes this log's handles follow every handle `previous` has given out
    // (for a log read to replace it: file, undo, redo).
    void ContinueHandlesOf(const CDatabase& previous);

    // Body data, one record per date in ascending date order.
    const BodyInfoList& BodyInfos() const { return bodyInfos_; }
    // The record of exactly this date (status and value), or null.
    CBodyInfo* FindBodyInfo(const CalendarDateTime& date);
    const CBodyInfo* FindBodyInfo(const CalendarDateTime& date) const;
    // Stores a copy for its date; an empty record removes that date's record.
    void SetBodyInfo(const CBodyInfo& info);
    void RemoveBodyInfo(const CalendarDateTime& date);
    // Appends as a file lists it, without the ordering rule of SetBodyInfo.
    void AppendBodyInfo(std::unique_ptr<CBodyInfo> info) { bodyInfos_.push_back(std::move(info)); }

    // Events in the order the events dialog stores them; the log imposes no rules.
    EventList& Events() { return events_; }
    const EventList& Events() const { return events_; }

    // Deletes every record and clears the name.
    void DeleteContents();

    // True when the date index matches the list (for tests and checks).
    bool IndexIsConsistent() const;

    std::string name;  // the document's title when not empty

private:
    // The date index: (key, position) sorted by key, equal keys in list
    // order. A flat vector rather than a tree: no allocation per workout, and
    // a change moves at most a few hundred kilobytes.
    class DateIndex {
    public:
        using Entry = std::pair<double, WorkoutPos>;
        using iterator = std::vector<Entry>::iterator;
        using const_iterator = std::vector<Entry>::const_iterator;

        iterator begin() { return entries_.begin(); }
        iterator end() { return entries_.end(); }
        const_iterator begin() const { return entries_.begin(); }
        const_iterator end() const { return entries_.end(); }
        bool empty() const { return entries_.empty(); }
        std::size_t size() const { return entries_.size(); }
        void clear() { entries_.clear(); }
        void reserve(std::size_t n) { entries_.reserve(n); }
        iterator lower_bound(double key);
        const_iterator lower_bound(double key) const;
        iterator upper_bound(double key);
        std::pair<iterator, iterator> equal_range(double key);
        iterator emplace_hint(iterator hint, double key, WorkoutPos position) {
            return entries_.insert(hint, Entry{key, position});
        }
        iterator emplace(double key, WorkoutPos position) {
            return emplace_hint(upper_bound(key), key, position);
        }
        iterator erase(iterator entry) { return entries_.erase(entry); }

    private:
        std::vector<Entry> entries_;
    };

    static double IndexKey(double date);
    WorkoutPos InsertAt(WorkoutPos before, std::unique_ptr<CWorkOut> workout);
    DateIndex::iterator FindIndexEntry(WorkoutPos position);
    void EraseIndexEntry(WorkoutPos position);
    void IndexAppended(WorkoutPos position);
    void RebuildIndex();
    void GiveHandle(WorkoutPos position);
    void DropHandle(WorkoutPos position);

    WorkoutList workouts_;
    BodyInfoList bodyInfos_;
    EventList events_;
    DateIndex byDate_;
    // Handles are handleBase_ + a serial; serials count up from 1 and are
    // never reused, so handles stay unique (modulo 2^32). bySerial_[serial - 1]
    // is the workout's place, EndWorkouts() once it left; emptying the log
    // moves the base past every serial given.
    WorkoutHandle handleBase_ = 0;
    std::vector<WorkoutPos> bySerial_;
};

// Makes the log's record classes known to the archive's class registry.

}  // namespace kadenzo
