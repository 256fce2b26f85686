// Random edits on disjoint days (and disjoint library items) made to two
// copies of one diary: the merge must hold exactly both sets of edits, with
// no conflict. Fixed seeds, so that a failure repeats.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "MergeFixture.h"

namespace kadenzo::test {
namespace {

constexpr int kDays = 40;

using DayEvent = std::pair<std::int32_t, bool>;  // kind, blocked
using EventDays = std::map<int, DayEvent>;

// A diary being edited, and the same edits applied to what the merge must give.
struct Version {
    DocumentContents contents;
    EventDays days;
};

// Periods as the events dialog writes them: runs of equal days.
void WriteEvents(Version& v) {
    auto& events = v.contents.log->Events();
    events.clear();
    for (auto it = v.days.begin(); it != v.days.end();) {
        auto end = std::next(it);
        while (end != v.days.end() && end->first == std::prev(end)->first + 1 &&
               end->second == it->second)
            ++end;
        auto event = std::make_unique<CEvent>();
        event->start = {CalendarDateTime::kValid, NoonOfDayNumber(it->first)};
        event->end = {CalendarDateTime::kValid, NoonOfDayNumber(std::prev(end)->first)};
        event->kind = it->second.first;
        event->blocksDay = it->second.second;
        events.push_back(std::move(event));
        it = end;
    }
}

// Where the stored periods overlap, the first one stored wins.
EventDays DaysOf(const CDatabase& log) {
    EventDays days;
    for (const auto& e : log.Events())
        for (int d = DayNumber(e->start.value); d <= DayNumber(e->end.value); ++d)
            days.try_emplace(d, DayEvent{e->kind, e->blocksDay != 0});
    return days;
}

std::vector<std::vector<std::uint8_t>> SortedWorkouts(const CDatabase& log) {
    std::vector<std::vector<std::uint8_t>> bytes;
    for (const auto& w : log.Workouts()) {
        CWorkOut copy = *w;
        bytes.push_back(Stored([&](CArchive& ar) { copy.Serialize(ar); }));
    }
    std::sort(bytes.begin(), bytes.end());
    return bytes;
}

class Editor {
public:
    explicit Editor(std::uint32_t seed) : random_(seed) {}

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    W RandomWorkout(int day) {
        static const char* kNotes[] = {"", "easy", "hills", "long", "tempo"};
        return W{day, 10.0 * (1 + Pick(9)), kNotes[Pick(5)], Pick(2) ? kTempoRun : kFixedPulse,
                 6.0 + 6 * Pick(3)};
    }

    Version Base() {
        std::vector<W> workouts;
        for (int i = 0; i < 150; ++i) workouts.push_back(RandomWorkout(kDay + Pick(kDays)));
        std::sort(workouts.begin(), workouts.end(),
                  [](const W& a, const W& b) { return a.day + a.hour / 24 < b.day + b.hour / 24; });
        workouts.push_back(workouts.back());  // two equal records
        Version base{Diary(WorkoutLog(workouts)), {}};
        for (int i = 0; i < 12; ++i) {
            CBodyInfo info({CalendarDateTime::kValid, NoonOfDayNumber(kDay + Pick(kDays))});
            info.weight = 60 + Pick(20);
            base.contents.log->SetBodyInfo(info);
        }
        for (int d = 5; d < 12; ++d) base.days[kDay + d] = {std::int32_t{kIllness}, false};
        for (int d = 20; d < 23; ++d) base.days[kDay + d] = {kHoliday, d == 21};
        WriteEvents(base);
        base.contents = Copy(base.contents);
        return base;
    }

    // Edits on the days of one parity, to the side and to the expected result.
    void Edit(int parity, Version& side, Version& expected) {
        for (int n = 0; n < 15; ++n) {
            const int day = kDay + 2 * Pick(kDays / 2) + parity;
            switch (Pick(5)) {
                case 0:
                    AddWorkout(day, side, expected);
                    break;
                case 1:
                    RemoveWorkout(day, side, expected, true);
                    break;
                case 2:
                    RemoveWorkout(day, side, expected, false);
                    break;
                case 3:
                    SetBody(day, side, expected);
                    break;
                default:
                    SetEvent(day, side, expected);
                    break;
            }
        }
        WriteEvents(side);
        WriteEvents(expected);
    }

private:
    void AddWorkout(int day, Version& side, Version& expected) {
        const W w = RandomWorkout(day);
        side.contents.log->AddWorkout(Make(w));
        expected.contents.log->AddWorkout(Make(w));
    }

    // Removes one of the day's workouts, or edits it (in place on the side).
    void RemoveWorkout(int day, Version& side, Version& expected, bool edit) {
        CDatabase& log = *side.contents.log;
        auto onDay = log.WorkoutsBetween(day, day + 1);
        if (onDay.empty()) return;
        const auto position = onDay[static_cast<std::size_t>(Pick(static_cast<int>(onDay.size())))];
        const CWorkOut original = **position;
        CDatabase& other = *expected.contents.log;
        for (auto it = other.BeginWorkouts(); it != other.EndWorkouts(); ++it)
            if ((*it)->IsEqual(original)) {
                other.RemoveWorkout(it);
                break;
            }
        if (!edit) {
            log.RemoveWorkout(position);
            return;
        }
        auto changed = std::make_unique<CWorkOut>(original);
        changed->duration += 1 + Pick(20);
        changed->notes += " edited";
        other.AddWorkout(std::make_unique<CWorkOut>(*changed));
        log.ReplaceWorkout(position, std::move(changed));
    }

    void SetBody(int day, Version& side, Version& expected) {
        CBodyInfo info({CalendarDateTime::kValid, NoonOfDayNumber(day)});
        info.weight = Pick(3) == 0 ? 0 : 60 + Pick(20);  // 0: removed
        side.contents.log->SetBodyInfo(info);
        expected.contents.log->SetBodyInfo(info);
    }

    void SetEvent(int day, Version& side, Version& expected) {
        const int choice = Pick(3);
        const DayEvent event{choice == 1 ? std::int32_t{kIllness} : kHoliday, Pick(2) == 0};
        for (EventDays* days : {&side.days, &expected.days}) {
            if (choice == 0)
                days->erase(day);
            else
                (*days)[day] = event;
        }
    }

    std::mt19937 random_;
};

TEST(MergeProperty, DisjointEditsMergeIntoBoth) {
    for (std::uint32_t seed = 1; seed <= 25; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Editor editor(seed);
        const Version base = editor.Base();
        Version mine{Copy(base.contents), base.days};
        Version theirs{Copy(base.contents), base.days};
        Version expected{Copy(base.contents), base.days};
        editor.Edit(0, mine, expected);
        editor.Edit(1, theirs, expected);
        // The library and the profile, disjointly: each side renames a
        // sport and adds an item to a list of its own.
        for (Version* v : {&mine, &expected}) {
            v->contents.library->FindSport(kBike)->name = "Road cycling";
            v->contents.library->workoutTemplates.AddNew().name = "Intervals";
            v->contents.log->name = "Season";
        }
        for (Version* v : {&theirs, &expected}) {
            v->contents.library->FindSport(kRun)->name = "Trail running";
            v->contents.library->eventKinds.AddNew().name = "Camp";
            v->contents.maxHeartRate = 188;
        }

        const Outcome outcome = Merge(&base.contents, mine.contents, theirs.contents);
        const CDatabase& merged = *outcome.merged.log;
        EXPECT_TRUE(outcome.conflicts.empty());
        EXPECT_EQ(SortedWorkouts(merged), SortedWorkouts(*expected.contents.log));
        EXPECT_TRUE(std::is_sorted(merged.Workouts().begin(), merged.Workouts().end(),
                                   [](const auto& a, const auto& b) { return a->date < b->date; }));
        EXPECT_TRUE(std::equal(merged.BodyInfos().begin(), merged.BodyInfos().end(),
                               expected.contents.log->BodyInfos().begin(),
                               expected.contents.log->BodyInfos().end(),
                               [](const auto& x, const auto& y) { return x->IsEqual(*y); }));
        EXPECT_EQ(DaysOf(merged), expected.days);
        EXPECT_EQ(merged.name, "Season");
        EXPECT_EQ(outcome.merged.maxHeartRate, 188);
        EXPECT_EQ(outcome.merged.library->Fingerprint(), expected.contents.library->Fingerprint());
        EXPECT_EQ(outcome.merged.library->eventKinds.size(),
                  expected.contents.library->eventKinds.size());
        EXPECT_EQ(outcome.merged.library->workoutTemplates.size(),
                  expected.contents.library->workoutTemplates.size());
    }
}

}  // namespace
}  // namespace kadenzo::test
