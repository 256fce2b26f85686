// Body data, events, the library, the log's name and the athlete's data
// merged by the rules, the choices a user makes afterwards, and a merged
// document that never refers to a missing library item.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "MergeFixture.h"

namespace kadenzo::test {
namespace {

using sync::ChangeCounts;
using sync::Choice;

// Days from kDay. Body data "day:weight ..."; events "first-last:kind ...",
// with a "b" after the kind for a blocked period.
DocumentContents Days(const char* bodyDays, const char* eventDays) {
    auto log = std::make_unique<CDatabase>();
    std::istringstream body(bodyDays ? bodyDays : "");
    int day = 0;
    char colon = 0;
    double weight = 0;
    while (body >> day >> colon >> weight) {
        auto info = std::make_unique<CBodyInfo>(
            CalendarDateTime{CalendarDateTime::kValid, NoonOfDayNumber(kDay + day)});
        info->weight = weight;
        log->AppendBodyInfo(std::move(info));
    }
    std::istringstream events(eventDays ? eventDays : "");
    for (std::string period; events >> period;) {
        int first = 0, last = 0, kind = 0;
        char blocked = 0;
        std::sscanf(period.c_str(), "%d-%d:%d%c", &first, &last, &kind, &blocked);
        auto event = std::make_unique<CEvent>();
        event->start = {CalendarDateTime::kValid, NoonOfDayNumber(kDay + first)};
        event->end = {CalendarDateTime::kValid, NoonOfDayNumber(kDay + last)};
        event->kind = kind;
        event->blocksDay = blocked == 'b';
        log->Events().push_back(std::move(event));
    }
    return Diary(std::move(log));
}

std::string Weights(const CDatabase& log) {
    std::string text;
    for (const auto& info : log.BodyInfos())
        text += (text.empty() ? "" : " ") + std::to_string(DayNumber(info->date.value) - kDay) +
                ":" + std::to_string(static_cast<int>(info->weight));
    return text;
}

std::string Periods(const CDatabase& log) {
    std::string text;
    for (const auto& e : log.Events())
        text += (text.empty() ? "" : " ") + std::to_string(DayNumber(e->start.value) - kDay) + "-" +
                std::to_string(DayNumber(e->end.value) - kDay) + ":" + std::to_string(e->kind) +
                (e->blocksDay ? "b" : "");
    return text;
}

struct DayRow {
    const char* rule;
    const char *base, *mine, *theirs, *merged;  // no base: merged without one
    std::vector<std::string> conflicts;
    ChangeCounts counts;
};

// clang-format off
const DayRow kBodyRows[] = {
    {"changed on one side", "0:70", "0:70", "0:71", "0:71", {}, {1, 1}},
    {"the same change on both sides", "0:70", "0:71", "0:71", "0:71", {}, {0, 0}},
    {"a day changed twice keeps MINE's", "0:70", "0:71", "0:72", "0:71", {"edited on both sides"}, {0, 0}},
    {"removed here, changed there", "0:70", "", "0:72", "", {"edited and removed"}, {0, 0}},
    {"added on both sides", "", "1:80", "1:81", "1:80", {"added on both sides"}, {0, 0}},
    {"days of both sides", "0:70", "0:70 1:71", "0:70 2:72", "0:70 1:71 2:72", {}, {1, 0}},
    {"without BASE", nullptr, "0:70", "0:72 1:73", "0:70 1:73", {"different on the two sides"}, {1, 0}},
};
const DayRow kEventRows[] = {
    {"changed on one side: kept as stored", "0-3:3 2-5:-3", "0-3:3 2-5:-3", "0-3:3 2-6:-3",
     "0-3:3 2-6:-3", {}, {1, 0}},
    {"days changed on either side", "0-9:3", "0-4:3 5-9:3b", "0-9:3 12-13:-3",
     "0-4:3 5-9:3b 12-13:-3", {}, {2, 0}},
    {"overlapping additions", "", "10-14:3", "12-18:-3", "10-14:3 15-18:-3", {"added on both sides"}, {4, 0}},
    {"a day changed twice", "0-2:3", "0-2:-3", "0-0:3 1-2:3b", "0-2:-3", {"edited on both sides"}, {0, 0}},
    {"removed here, changed there", "0-2:3", "", "0-2:-3", "", {"edited and removed"}, {0, 0}},
    {"a long period is one conflict", "-2000000-2000000:3", "-2000000-2000000:-3",
     "-2000000-2000000:3b", "-2000000-2000000:-3", {"edited on both sides"}, {0, 0}},
    {"without BASE", nullptr, "0-2:3", "1-4:-3", "0-2:3 3-4:-3", {"different on the two sides"}, {2, 0}},
};
// clang-format on

TEST(DocumentMerge, BodyDataOnePerDay) {
    for (const DayRow& row : kBodyRows) {
        SCOPED_TRACE(row.rule);
        const DocumentContents base = Days(row.base, nullptr);
        const Outcome outcome =
            Merge(row.base ? &base : nullptr, Days(row.mine, nullptr), Days(row.theirs, nullptr));
        EXPECT_EQ(Weights(*outcome.merged.log), row.merged);
        EXPECT_EQ(outcome.What(), row.conflicts);
        EXPECT_EQ(outcome.bodyInfos, row.counts);
    }
    const DocumentContents base = Days("0:70", nullptr);
    const Outcome theirs =
        Merge(&base, Days("0:71", nullptr), Days("0:72", nullptr), {{Choice::Theirs}});
    EXPECT_EQ(Weights(*theirs.merged.log), "0:72");
}

TEST(DocumentMerge, EventsDayByDay) {
    for (const DayRow& row : kEventRows) {
        SCOPED_TRACE(row.rule);
        const DocumentContents base = Days(nullptr, row.base);
        const Outcome outcome =
            Merge(row.base ? &base : nullptr, Days(nullptr, row.mine), Days(nullptr, row.theirs));
        EXPECT_EQ(Periods(*outcome.merged.log), row.merged);
        EXPECT_EQ(outcome.What(), row.conflicts);
        EXPECT_EQ(outcome.events, row.counts);
    }
    // The conflict of overlapping additions covers the days both set, and
    // THEIRS' days can be chosen.
    const DocumentContents base = Days(nullptr, "");
    const Outcome outcome =
        Merge(&base, Days(nullptr, "10-14:3"), Days(nullptr, "12-18:-3"), {{Choice::Theirs}});
    EXPECT_EQ(outcome.conflicts.at(0).day, kDay + 12);
    EXPECT_EQ(std::get<sync::EventVersions>(outcome.conflicts[0].versions).lastDay, kDay + 14);
    EXPECT_EQ(Periods(*outcome.merged.log), "10-11:3 12-18:-3");
}

using Change = std::function<void(CLibrary&)>;

DocumentContents WithLibrary(const Change& change, const std::vector<W>& workouts = {}) {
    auto library = MakeLibrary();
    change(*library);
    return Diary(WorkoutLog(workouts), std::move(library));
}

const Change kNone = [](CLibrary&) {};
const Change kRemoveTrack = [](CLibrary& l) { l.tracks.RemoveAt(0); };
Change RenameRun(const char* name) {
    return [=](CLibrary& l) { l.FindSport(kRun)->name = name; };
}

struct LibraryRow {
    const char* rule;
    Change mine, theirs;
    bool theirsUsesTrack;
    std::function<bool(const CLibrary&)> holds;
    std::vector<std::string> conflicts;
};

TEST(DocumentMerge, LibraryItemsById) {
    // clang-format off
    const LibraryRow rows[] = {
        {"changed on one side", kNone, RenameRun("Trail running"), false,
         [](const CLibrary& l) { return l.FindSport(kRun)->name == "Trail running"; }, {}},
        {"changed on both sides keeps MINE's", RenameRun("Jogging"), RenameRun("Trail running"), false,
         [](const CLibrary& l) { return l.FindSport(kRun)->name == "Jogging"; }, {"sport 3 edited on both sides"}},
        {"removed on one side", kNone, kRemoveTrack, false,
         [](const CLibrary& l) { return !l.FindTrack(kRiverLoop); }, {}},
        {"removed on one side, used by the other's new workout", kRemoveTrack, kNone, true,
         [](const CLibrary& l) { return l.FindTrack(kRiverLoop) != nullptr; }, {}},
        {"edited here, removed there", [](CLibrary& l) { l.FindTrack(kRiverLoop)->distance = 9; }, kRemoveTrack,
         false, [](const CLibrary& l) { return l.FindTrack(kRiverLoop)->distance == 9; }, {"track 13 edited and removed"}},
    };
    // clang-format on
    const DocumentContents base = WithLibrary(kNone);
    for (const LibraryRow& row : rows) {
        SCOPED_TRACE(row.rule);
        DocumentContents theirs = WithLibrary(row.theirs, {W{}});
        theirs.log->BeginWorkouts()->get()->trackId = row.theirsUsesTrack ? kRiverLoop : 0;
        const Outcome outcome = Merge(&base, WithLibrary(row.mine), theirs);
        EXPECT_TRUE(row.holds(*outcome.merged.library));
        EXPECT_EQ(outcome.What(), row.conflicts);
        EXPECT_EQ(outcome.merged.log->RemoveInvalid(outcome.merged.library.get()).Total(), 0u);
    }
}

// Both sides add a template under one id: MINE's keeps it, THEIRS' takes
// the next id above all ids and counters, and THEIRS' workout follows.
TEST(DocumentMerge, TemplateAddedOnBothSidesUnderOneId) {
    const auto add = [](const char* name) {
        return [name](CLibrary& l) { l.workoutTemplates.AddNew().name = name; };
    };
    const std::uint32_t id = MakeLibrary()->workoutTemplates.idCounter + 1;
    const DocumentContents base = WithLibrary(kNone);
    const DocumentContents mine = WithLibrary(add("Intervals"), {W{kDay, 30, "m", id}});
    const DocumentContents theirs = WithLibrary(add("Long run"), {W{kDay, 90, "t", id}});
    for (const DocumentContents* common : {&base, static_cast<const DocumentContents*>(nullptr)}) {
        const Outcome outcome = Merge(common, mine, theirs);
        const CLibrary& library = *outcome.merged.library;
        EXPECT_EQ(library.GetWorkoutName(id), "Intervals");
        EXPECT_EQ(library.GetWorkoutName(id + 1), "Long run");
        EXPECT_EQ(library.workoutTemplates.idCounter, id + 1);
        EXPECT_EQ(Describe(*outcome.merged.log),
                  (std::vector<std::string>{"0 30 m " + std::to_string(id),
                                            "0 90 t " + std::to_string(id + 1)}));
    }
    // Without BASE the same id with the same name is one item.
    EXPECT_EQ(Merge(nullptr, mine, mine).merged.library->workoutTemplates.size(),
              MakeLibrary()->workoutTemplates.size() + 1);
}

// A library conflict resolved for the side that removed the item drops it,
// unless a record of the result still refers to it.
TEST(DocumentMerge, LibraryChoicesKeepTheDocumentValid) {
    const W x{kDay, 10, "x", kFixedPulse};
    const W y{kDay + 1, 20, "y", kFixedPulse};
    const Change edit = [](CLibrary& l) { l.FindWorkout(kFixedPulse)->pulseHigh = 180; };
    const Change remove = [](CLibrary& l) {
        std::erase_if(l.workoutTemplates.items, [](const auto& t) { return t->id == kFixedPulse; });
    };
    const DocumentContents base = WithLibrary(kNone, {x});
    const DocumentContents theirs = WithLibrary(remove);  // with the workout that used it

    const Outcome dropped = Merge(&base, WithLibrary(edit, {x}), theirs, {{Choice::Theirs}});
    EXPECT_EQ(dropped.What(), (std::vector<std::string>{"workout template 8 edited and removed"}));
    EXPECT_EQ(dropped.merged.library->FindWorkout(kFixedPulse), nullptr);
    EXPECT_EQ(dropped.merged.log->WorkoutCount(), 0u);

    const Outcome referred = Merge(&base, WithLibrary(edit, {x, y}), theirs, {{Choice::Theirs}});
    ASSERT_NE(referred.merged.library->FindWorkout(kFixedPulse), nullptr);
    EXPECT_EQ(referred.merged.library->FindWorkout(kFixedPulse)->pulseHigh, 180u);
}

DocumentContents Profiled(const std::string& name, std::int32_t maxHeartRate) {
    DocumentContents contents = Diary(std::make_unique<CDatabase>());
    contents.log->name = name;
    contents.maxHeartRate = maxHeartRate;
    return contents;
}

TEST(DocumentMerge, NameAndAthleteFromTheSideThatChangedThem) {
    const DocumentContents base = Profiled("Diary", 0);
    // A log renamed on one side, the profile changed on the other.
    Outcome outcome = Merge(&base, Profiled("Diary", 185), Profiled("Season 2024", 0));
    EXPECT_EQ(outcome.merged.log->name, "Season 2024");
    EXPECT_EQ(outcome.merged.maxHeartRate, 185);
    EXPECT_TRUE(outcome.conflicts.empty());

    outcome = Merge(&base, Profiled("Mine", 185), Profiled("Theirs", 190));
    EXPECT_EQ(outcome.What(),
              (std::vector<std::string>{"renamed on both sides",
                                        "maximum heart rate edited on both sides"}));
    EXPECT_EQ(outcome.merged.log->name, "Mine");
    EXPECT_EQ(outcome.merged.maxHeartRate, 185);
    outcome = Merge(&base, Profiled("Mine", 185), Profiled("Theirs", 190),
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
