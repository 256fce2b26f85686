// Body data, events, the library, the log's name and the athlete's data
// merged by the rules, the choices a user can make afterwards, and a merged
// document that never refers to a missing library item.
#include <gtest/gtest.h>

#include <stdexcept>

#include "MergeFixture.h"

namespace kadenzo::test {
namespace {

using sync::ChangeCounts;
using sync::Choice;

std::unique_ptr<CBodyInfo> Body(int day, double weight, const std::string& note = "") {
    auto info = std::make_unique<CBodyInfo>();
    info->date = {CalendarDateTime::kValid, NoonOfDayNumber(kDay + day)};
    info->weight = weight;
    info->note = note;
    return info;
}

// "day weight" of each record.
std::vector<std::string> Weights(const CDatabase& log) {
    std::vector<std::string> lines;
    for (const auto& info : log.BodyInfos())
        lines.push_back(std::to_string(DayNumber(info->date.value) - kDay) + " " +
                        std::to_string(static_cast<int>(info->weight)));
    return lines;
}

DocumentContents WithWeights(std::vector<std::pair<int, double>> weights) {
    auto log = std::make_unique<CDatabase>();
    for (auto [day, weight] : weights) log->AppendBodyInfo(Body(day, weight));
    return Diary(std::move(log));
}

struct BodyRow {
    const char* rule;
    std::vector<std::pair<int, double>> base, mine, theirs;
    std::vector<std::string> merged, conflicts;
    ChangeCounts counts;
};

const BodyRow kBodyRows[] = {
    {"changed on one side", {{0, 70}}, {{0, 70}}, {{0, 71}}, {"0 71"}, {}, {1, 1}},
    {"the same change on both sides", {{0, 70}}, {{0, 71}}, {{0, 71}}, {"0 71"}, {}, {0, 0}},
    {"a day changed twice keeps MINE's",
     {{0, 70}},
     {{0, 71}},
     {{0, 72}},
     {"0 71"},
     {"edited on both sides"},
     {0, 0}},
    {"removed here, changed there", {{0, 70}}, {}, {{0, 72}}, {}, {"edited and removed"}, {0, 0}},
    {"added on both sides", {}, {{1, 80}}, {{1, 81}}, {"1 80"}, {"added on both sides"}, {0, 0}},
    {"days of both sides",
     {{0, 70}},
     {{0, 70}, {1, 71}},
     {{0, 70}, {2, 72}},
     {"0 70", "1 71", "2 72"},
     {},
     {1, 0}},
};

TEST(DocumentMerge, BodyDataOnePerDay) {
    for (const BodyRow& row : kBodyRows) {
        SCOPED_TRACE(row.rule);
        const DocumentContents base = WithWeights(row.base);
        const Outcome outcome = Merge(&base, WithWeights(row.mine), WithWeights(row.theirs));
        EXPECT_EQ(Weights(*outcome.merged.log), row.merged);
        EXPECT_EQ(outcome.What(), row.conflicts);
        EXPECT_EQ(outcome.bodyInfos, row.counts);
    }
    // Without BASE a differing day keeps MINE's; THEIRS' can be chosen.
    const Outcome twoWay = Merge(nullptr, WithWeights({{0, 70}}), WithWeights({{0, 72}, {1, 73}}));
    EXPECT_EQ(Weights(*twoWay.merged.log), (std::vector<std::string>{"0 70", "1 73"}));
    EXPECT_EQ(twoWay.What(), (std::vector<std::string>{"different on the two sides"}));
    const Outcome theirs =
        Merge(nullptr, WithWeights({{0, 70}}), WithWeights({{0, 72}, {1, 73}}), {{Choice::Theirs}});
    EXPECT_EQ(Weights(*theirs.merged.log), (std::vector<std::string>{"0 72", "1 73"}));
}

std::unique_ptr<CEvent> Period(int first, int last, std::int32_t kind, bool blocks = false) {
    auto event = std::make_unique<CEvent>();
    event->start = {CalendarDateTime::kValid, NoonOfDayNumber(kDay + first)};
    event->end = {CalendarDateTime::kValid, NoonOfDayNumber(kDay + last)};
    event->kind = kind;
    event->blocksDay = blocks ? 1 : 0;
    return event;
}

DocumentContents WithEvents(std::vector<std::unique_ptr<CEvent>> events) {
    auto log = std::make_unique<CDatabase>();
    for (auto& event : events) log->Events().push_back(std::move(event));
    return Diary(std::move(log));
}

template <class... Events>
DocumentContents EventsOf(Events... events) {
    std::vector<std::unique_ptr<CEvent>> list;
    (list.push_back(std::move(events)), ...);
    return WithEvents(std::move(list));
}

// "first-last kind" of each stored period.
std::vector<std::string> Periods(const CDatabase& log) {
    std::vector<std::string> lines;
    for (const auto& e : log.Events())
        lines.push_back(std::to_string(DayNumber(e->start.value) - kDay) + "-" +
                        std::to_string(DayNumber(e->end.value) - kDay) + " " +
                        std::to_string(e->kind) + (e->blocksDay ? " blocked" : ""));
    return lines;
}

// Events overlapping across the two sides merge day by day and are written
// back as periods; the days both sides set differently are one conflict.
TEST(DocumentMerge, EventsOverlappingAcrossTheSides) {
    const DocumentContents base = EventsOf();
    const DocumentContents mine = EventsOf(Period(10, 14, kIllness));
    const DocumentContents theirs = EventsOf(Period(12, 18, kHoliday));
    const Outcome outcome = Merge(&base, mine, theirs);
    EXPECT_EQ(Periods(*outcome.merged.log), (std::vector<std::string>{"10-14 3", "15-18 -3"}));
    ASSERT_EQ(outcome.What(), (std::vector<std::string>{"added on both sides"}));
    EXPECT_EQ(outcome.conflicts[0].day, kDay + 12);
    EXPECT_EQ(std::get<sync::EventVersions>(outcome.conflicts[0].versions).lastDay, kDay + 14);
    EXPECT_EQ(outcome.events, (ChangeCounts{4, 0}));

    const Outcome chosen = Merge(&base, mine, theirs, {{Choice::Theirs}});
    EXPECT_EQ(Periods(*chosen.merged.log), (std::vector<std::string>{"10-11 3", "12-18 -3"}));
}

struct EventRow {
    const char* rule;
    std::function<DocumentContents()> base, mine, theirs;
    std::vector<std::string> merged, conflicts;
};

TEST(DocumentMerge, EventsDayByDay) {
    const EventRow rows[] = {
        {"changed on one side: kept as stored",
         [] { return EventsOf(Period(0, 3, kIllness), Period(2, 5, kHoliday)); },
         [] { return EventsOf(Period(0, 3, kIllness), Period(2, 5, kHoliday)); },
         [] { return EventsOf(Period(0, 3, kIllness), Period(2, 6, kHoliday)); },
         {"0-3 3", "2-6 -3"},
         {}},
        {"days changed on either side",
         [] { return EventsOf(Period(0, 9, kIllness)); },
         [] { return EventsOf(Period(0, 4, kIllness), Period(5, 9, kIllness, true)); },
         [] { return EventsOf(Period(0, 9, kIllness), Period(12, 13, kHoliday)); },
         {"0-4 3", "5-9 3 blocked", "12-13 -3"},
         {}},
        {"one day changed differently on both",
         [] { return EventsOf(Period(0, 2, kIllness)); },
         [] { return EventsOf(Period(0, 2, kHoliday)); },
         [] { return EventsOf(Period(0, 0, kIllness), Period(1, 2, kIllness, true)); },
         {"0-2 -3"},
         {"edited on both sides"}},
        {"removed here, changed there",
         [] { return EventsOf(Period(0, 2, kIllness)); },
         [] { return EventsOf(); },
         [] { return EventsOf(Period(0, 2, kHoliday)); },
         {},
         {"edited and removed"}},
    };
    for (const EventRow& row : rows) {
        SCOPED_TRACE(row.rule);
        const DocumentContents base = row.base();
        const Outcome outcome = Merge(&base, row.mine(), row.theirs());
        EXPECT_EQ(Periods(*outcome.merged.log), row.merged);
        EXPECT_EQ(outcome.What(), row.conflicts);
    }
}

std::unique_ptr<CLibrary> LibraryWith(const std::function<void(CLibrary&)>& change) {
    auto library = MakeLibrary();
    change(*library);
    return library;
}

DocumentContents WithLibrary(const std::function<void(CLibrary&)>& change,
                             std::vector<W> workouts = {}) {
    return Diary(WorkoutLog(workouts), LibraryWith(change));
}

// Both sides add a template under one id: MINE's keeps it, THEIRS' takes
// the next id above all ids and counters, and THEIRS' workout follows.
TEST(DocumentMerge, TemplateAddedOnBothSidesUnderOneId) {
    const auto add = [](const char* name) {
        return [name](CLibrary& library) {
            CLibWorkout& added = library.workoutTemplates.AddNew();
            added.name = name;
            added.sportId = kRun;
        };
    };
    const std::uint32_t id = MakeLibrary()->workoutTemplates.idCounter + 1;
    const DocumentContents base = WithLibrary([](CLibrary&) {});
    const DocumentContents mine = WithLibrary(add("Intervals"), {W{kDay, 30, "m", id}});
    const DocumentContents theirs = WithLibrary(add("Long run"), {W{kDay, 90, "t", id}});
    const Outcome outcome = Merge(&base, mine, theirs);

    const CLibrary& library = *outcome.merged.library;
    ASSERT_NE(library.FindWorkout(id), nullptr);
    EXPECT_EQ(library.FindWorkout(id)->name, "Intervals");
    ASSERT_NE(library.FindWorkout(id + 1), nullptr);
    EXPECT_EQ(library.FindWorkout(id + 1)->name, "Long run");
    EXPECT_EQ(library.workoutTemplates.idCounter, id + 1);
    EXPECT_EQ(Describe(*outcome.merged.log),
              (std::vector<std::string>{"0 30 m " + std::to_string(id),
                                        "0 90 t " + std::to_string(id + 1)}));
    EXPECT_TRUE(outcome.conflicts.empty());

    // Without BASE the same id with another name is renumbered too, and
    // the same id with the same name is one item.
    const Outcome twoWay = Merge(nullptr, mine, theirs);
    EXPECT_EQ(twoWay.merged.library->FindWorkout(id + 1)->name, "Long run");
    const Outcome same = Merge(nullptr, mine, mine);
    EXPECT_EQ(same.merged.library->workoutTemplates.size(),
              MakeLibrary()->workoutTemplates.size() + 1);
}

struct LibraryRow {
    const char* rule;
    std::function<void(CLibrary&)> mine, theirs;
    std::vector<W> mineWorkouts, theirsWorkouts;
    std::function<void(const CLibrary&)> check;
    std::vector<std::string> conflicts;
};

TEST(DocumentMerge, LibraryItemsById) {
    const auto rename = [](std::uint32_t id, const char* name) {
        return [=](CLibrary& library) { library.FindSport(id)->name = name; };
    };
    const auto removeTrack = [](CLibrary& library) { library.tracks.RemoveAt(0); };
    const auto none = [](CLibrary&) {};
    const W onTrack{kDay, 20, "track"};
    const LibraryRow rows[] = {
        {"changed on one side",
         none,
         rename(kRun, "Trail running"),
         {},
         {},
         [](const CLibrary& l) { EXPECT_EQ(l.FindSport(kRun)->name, "Trail running"); },
         {}},
        {"changed on both sides keeps MINE's",
         rename(kRun, "Jogging"),
         rename(kRun, "Trail running"),
         {},
         {},
         [](const CLibrary& l) { EXPECT_EQ(l.FindSport(kRun)->name, "Jogging"); },
         {"sport 3 edited on both sides"}},
        {"removed on one side",
         none,
         removeTrack,
         {},
         {},
         [](const CLibrary& l) { EXPECT_EQ(l.FindTrack(kRiverLoop), nullptr); },
         {}},
        {"removed on one side, still used by the other's record",
         removeTrack,
         none,
         {},
         {onTrack},
         [](const CLibrary& l) { EXPECT_NE(l.FindTrack(kRiverLoop), nullptr); },
         {}},
        {"edited here, removed there",
         [](CLibrary& l) { l.FindTrack(kRiverLoop)->distance = 9; },
         removeTrack,
         {},
         {},
         [](const CLibrary& l) { EXPECT_EQ(l.FindTrack(kRiverLoop)->distance, 9); },
         {"track 13 edited and removed"}},
    };
    for (const LibraryRow& row : rows) {
        SCOPED_TRACE(row.rule);
        const DocumentContents base = WithLibrary(none);
        DocumentContents theirs = WithLibrary(row.theirs, row.theirsWorkouts);
        for (auto it = theirs.log->BeginWorkouts(); it != theirs.log->EndWorkouts(); ++it)
            (*it)->trackId = kRiverLoop;
        const Outcome outcome = Merge(&base, WithLibrary(row.mine, row.mineWorkouts), theirs);
        row.check(*outcome.merged.library);
        EXPECT_EQ(outcome.What(), row.conflicts);
        EXPECT_EQ(outcome.merged.log->RemoveInvalid(outcome.merged.library.get()).Total(), 0u);
        EXPECT_EQ(outcome.merged.log->WorkoutCount(), row.theirsWorkouts.size());
        if (!row.theirsWorkouts.empty()) {
            EXPECT_EQ(outcome.merged.log->Workouts().front()->trackId, kRiverLoop);
        }
    }
}

// A library conflict resolved for the side that removed the item drops it,
// unless a record of the result still refers to it.
TEST(DocumentMerge, LibraryChoicesKeepTheDocumentValid) {
    const W x{kDay, 10, "x", kFixedPulse};
    const W y{kDay + 1, 20, "y", kFixedPulse};
    const auto edit = [](CLibrary& l) { l.FindWorkout(kFixedPulse)->pulseHigh = 180; };
    const auto remove = [](CLibrary& l) {
        std::erase_if(l.workoutTemplates.items, [](const auto& t) { return t->id == kFixedPulse; });
    };
    const DocumentContents base = WithLibrary([](CLibrary&) {}, {x});
    const DocumentContents theirs = WithLibrary(remove);  // with the workouts that used it

    const Outcome dropped = Merge(&base, WithLibrary(edit, {x}), theirs, {{Choice::Theirs}});
    EXPECT_EQ(dropped.What(), (std::vector<std::string>{"workout template 8 edited and removed"}));
    EXPECT_EQ(dropped.merged.library->FindWorkout(kFixedPulse), nullptr);
    EXPECT_EQ(dropped.merged.log->WorkoutCount(), 0u);

    const Outcome referred = Merge(&base, WithLibrary(edit, {x, y}), theirs, {{Choice::Theirs}});
    ASSERT_NE(referred.merged.library->FindWorkout(kFixedPulse), nullptr);
    EXPECT_EQ(referred.merged.library->FindWorkout(kFixedPulse)->pulseHigh, 180u);
    EXPECT_EQ(Describe(*referred.merged.log), Describe({y}));
}

DocumentContents Profiled(const std::string& name, std::int32_t maxHeartRate,
                          std::int32_t formula) {
    DocumentContents contents = Diary(std::make_unique<CDatabase>());
    contents.log->name = name;
    contents.maxHeartRate = maxHeartRate;
    contents.hrFormula = formula;
    return contents;
}

TEST(DocumentMerge, NameAndAthleteFromTheSideThatChangedThem) {
    const DocumentContents base = Profiled("Diary", 0, -1);
    // A log renamed on one side, the profile changed on the other.
    Outcome outcome = Merge(&base, Profiled("Diary", 185, 0), Profiled("Season 2024", 0, -1));
    EXPECT_EQ(outcome.merged.log->name, "Season 2024");
    EXPECT_EQ(outcome.merged.maxHeartRate, 185);
    EXPECT_EQ(outcome.merged.hrFormula, 0);
    EXPECT_TRUE(outcome.conflicts.empty());

    outcome = Merge(&base, Profiled("Mine", 185, 0), Profiled("Theirs", 190, 0));
    EXPECT_EQ(outcome.merged.log->name, "Mine");
    EXPECT_EQ(outcome.merged.maxHeartRate, 185);
    EXPECT_EQ(outcome.What(),
              (std::vector<std::string>{"renamed on both sides",
                                        "maximum heart rate edited on both sides"}));
    outcome = Merge(&base, Profiled("Mine", 185, 0), Profiled("Theirs", 190, 0),
                    {{Choice::Theirs, Choice::Theirs}});
    EXPECT_EQ(outcome.merged.log->name, "Theirs");
    EXPECT_EQ(outcome.merged.maxHeartRate, 190);
}

TEST(DocumentMerge, RefusesWhatCannotBeMerged) {
    const DocumentContents diary = Diary(WorkoutLog({W{}}));
    EXPECT_THROW(sync::MergeDocuments(Copy(diary), DocumentContents{}), std::invalid_argument);
    sync::MergeResult result = sync::MergeDocuments(
        Copy(diary), Diary(WorkoutLog({W{kDay, 35, ""}})), Diary(WorkoutLog({W{kDay, 40, ""}})));
    ASSERT_EQ(result.Conflicts().size(), 1u);
    EXPECT_THROW(std::move(result).Resolve({}), std::invalid_argument);
}

}  // namespace
}  // namespace kadenzo::test
