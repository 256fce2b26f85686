#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "Database.h"
#include "Event.h"

namespace kadenzo {

// What one calendar day carries: an event kind (a library event kind or a
// built-in one) and whether the day is blocked for training.
struct DayEvent {
    static constexpr std::int32_t kNoKind = -5;

    std::int32_t kind = kNoKind;
    bool blocksDay = false;

    // A day with no kind that is not blocked carries no event.
    bool IsNothing() const { return kind == kNoKind && !blocksDay; }
    bool operator==(const DayEvent&) const = default;
};

// The state a range of days shows in the events dialog.
struct DayRangeState {
    // The kind all days share; nothing when they differ (the mixed entry).
    std::optional<std::int32_t> kind = DayEvent::kNoKind;
    int blocks = 0;  // 0 none blocked, 1 all blocked, 2 some (the three-state check box)
    bool operator==(const DayRangeState&) const = default;
};

// The calendar events of a training log as days (day numbers), which the events
// dialog edits one range at a time and then joins into periods again. Days are
// held as runs of consecutive days with the same event, so a long period
// costs no more than a short one.
class EventDays {
public:
    EventDays() = default;
    // The days of the stored periods. Where periods overlap, the one stored
    // first wins, as in the diary; a period that ends before it starts covers
    // no day.
    explicit EventDays(const CDatabase::EventList& events);

    // The day's event, or nothing.
    std::optional<DayEvent> At(int day) const;
    bool IsMarked(int day) const { return At(day).has_value(); }

    // The combined state of the days first ... last. Where some days of a
    // longer range carry an event and others none, neither the kind nor the
    // flag is common to all of them.
    DayRangeState StateOf(int first, int last) const;

    // Gives every day of first ... last the kind (nothing keeps each day's
    // kind) and the flag (0 clears, 1 sets, 2 keeps it). Days left without a
    // kind and not blocked no longer carry an event.
    void Apply(int first, int last, std::optional<std::int32_t> kind, int blocks);

    // The periods to store: each run of consecutive days with the same kind
    // and flag becomes one event, in date order, its days held at 12:00.
    std::vector<CEvent> Periods() const;

private:
    struct Run {
        int first;
        int last;
        DayEvent event;
    };

    // The part of first ... last no run covers yet gets `event`.
    void FillGaps(int first, int last, const DayEvent& event);
    // Runs of equal events on consecutive days become one; empty ones go.
    void Normalise();

    std::vector<Run> runs_;  // in date order, not overlapping
};

}  // namespace kadenzo
