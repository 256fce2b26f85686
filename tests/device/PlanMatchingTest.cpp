// Which workout of its day each activity fills, on hand-made plans.
#include <gtest/gtest.h>

#include "DeviceFixture.h"
#include "PlanMatching.h"
#include "SportTable.h"

namespace kadenzo::test {
namespace {

struct W {  // a workout of the day
    double hour;
    std::uint32_t templateId, sportId;
    double plannedMinutes, plannedKm = 0;
    double performedMinutes = 0;
    const char* recording = "";
};
struct A {  // an activity of the day
    const char* kind;
    double hour, minutes, km = 0;
};
struct Expected {
    ActivityOutcome outcome;
    std::vector<std::size_t> workouts = {};  // the one filled, or those to choose from
};

const struct Case {
    const char* what;
    std::vector<W> workouts;
    std::vector<A> activities;
    std::vector<Expected> expected;  // per activity as listed
} kCases[] = {
    {"the closest plan",
     {{7, kEasyRun, kRunning, 40}, {17, kLongRun, kRunning, 90}},
     {{"running", 8, 85}},
     {{ActivityOutcome::kFill, {1}}}},
    {"two plans fit as well: the athlete chooses",
     {{7, kEasyRun, kRunning, 50}, {17, kTempoRun, kRunning, 60}},
     {{"running", 8, 55}},
     {{ActivityOutcome::kChoose, {0, 1}}}},
    {"equal plans: the earlier in the log",
     {{7, kEasyRun, kRunning, 50}, {18, kEasyRun, kRunning, 50}},
     {{"running", 19, 52}},
     {{ActivityOutcome::kFill, {0}}}},
    {"two activities of a day in the order of their start, each from those still free",
     {{7, kEasyRun, kRunning, 40}, {17, kLongRun, kRunning, 90}},
     {{"running", 18, 41}, {"running", 7.5, 42}},
     {{ActivityOutcome::kFill, {1}}, {ActivityOutcome::kFill, {0}}}},
    {"no kind: any sport",
     {{7, kRide, kCycling, 60}},
     {{"", 8, 58}},
     {{ActivityOutcome::kFill, {0}}}},
    {"another sport planned: a new workout",
     {{7, kRide, kCycling, 60}},
     {{"running", 8, 60}},
     {{ActivityOutcome::kNew}}},
    {"a sub-sport fills its own sport's workout, the sport's, or one of any sport",
     {{6, kRace, 0, 120}, {7, kRide, kCycling, 60}, {8, kEasyRun, kRunning, 60}},
     {{"cycling/mountain", 9, 62}},
     {{ActivityOutcome::kFill, {1}}}},
    {"indoor cycling fills a ride",
     {{7, kRide, kCycling, 60}},
     {{"cycling/indoor_cycling", 8, 45}},
     {{ActivityOutcome::kFill, {0}}}},
    {"typed in by hand within a tenth",
     {{7, kEasyRun, kRunning, 40, 0, 57}},
     {{"running", 8, 60}},
     {{ActivityOutcome::kFill, {0}}}},
    {"typed in by hand, more than a tenth off",
     {{7, kEasyRun, kRunning, 40, 0, 53.9}},
     {{"running", 8, 60}},
     {{ActivityOutcome::kNew}}},
    {"typed in by hand with a recording already",
     {{7, kEasyRun, kRunning, 40, 0, 60, "Training-recordings/run.fit"}},
     {{"running", 8, 60}},
     {{ActivityOutcome::kNew}}},
    {"what was typed in counts before a plan further off",
     {{7, kEasyRun, kRunning, 40}, {9, kLongRun, kRunning, 0, 0, 60}},
     {{"running", 8, 60}},
     {{ActivityOutcome::kFill, {1}}}},
    {"distances where no duration is planned",
     {{7, kLongRun, kRunning, 0, 20}, {8, kEasyRun, kRunning, 0, 10}},
     {{"running", 9, 60, 10.5}},
     {{ActivityOutcome::kFill, {1}}}},
    {"nothing planned to compare: two plans alike",
     {{7, kEasyRun, kRunning, 0}, {8, kTempoRun, kRunning, 0}},
     {{"running", 9, 60, 10}},
     {{ActivityOutcome::kChoose, {0, 1}}}},
    {"an ambiguous activity leaves its candidates to the next",
     {{7, kEasyRun, kRunning, 50}, {17, kTempoRun, kRunning, 60}},
     {{"running", 8, 55}, {"running", 18, 61}},
     {{ActivityOutcome::kChoose, {0, 1}}, {ActivityOutcome::kFill, {1}}}},
};

TEST(PlanMatchingTest, EachActivityFillsTheWorkoutItFitsBest) {
    const std::unique_ptr<CLibrary> library = DeviceLibrary();
    const SportTable sports = SportTable::Starter();
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        CDatabase log;
        for (const W& w : c.workouts) {
            auto workout = Planned(kMonday + w.hour / 24, w.templateId, w.sportId, w.plannedMinutes,
                                   w.plannedKm);
            workout->duration = w.performedMinutes;
            workout->recordingPath = w.recording;
            log.AddWorkout(std::move(workout));
        }
        // A workout of the next day is never a candidate.
        log.AddWorkout(Planned(kMonday + 1.3, kEasyRun, kRunning, 60));
        std::vector<CDatabase::WorkoutHandle> handles;
        for (auto it = log.BeginWorkouts(); it != log.EndWorkouts(); ++it)
            handles.push_back(log.HandleOf(it));

        std::vector<PlanRow> rows;
        for (const A& a : c.activities) {
            DeviceActivity& activity = rows.emplace_back().activity;
            activity.kind = a.kind;
            activity.sportId = sports.SportOf(a.kind, *library);
            activity.start = kMonday + a.hour / 24;
            activity.duration = a.minutes;
            activity.distance = a.km;
        }
        ProposeOutcomes(rows, log, sports, *library);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(i);
            const Expected& expected = c.expected[i];
            EXPECT_EQ(rows[i].outcome, expected.outcome);
            std::vector<CDatabase::WorkoutHandle> workouts;
            for (std::size_t n : expected.workouts) workouts.push_back(handles[n]);
            if (expected.outcome == ActivityOutcome::kFill) {
                EXPECT_EQ(rows[i].workout, workouts.at(0));
            } else {
                EXPECT_EQ(rows[i].workout, 0u);
                EXPECT_EQ(rows[i].candidates, workouts);
            }
        }
    }
}

TEST(PlanMatchingTest, ChoosingAWorkoutTakesItFromTheRowThatFilledIt) {
    CDatabase log;
    log.AddWorkout(Planned(kMonday + 0.3, kEasyRun, kRunning, 40));
    log.AddWorkout(Planned(kMonday + 0.7, kLongRun, kRunning, 90));
    log.AddWorkout(Planned(kMonday + 1.3, kLongRun, kRunning, 90));
    const std::vector<CDatabase::WorkoutHandle> day = WorkoutsOfDay(log, kMonday);
    ASSERT_EQ(day.size(), 2u);
    const CDatabase::WorkoutHandle nextDay = log.HandleOf(std::prev(log.EndWorkouts()));

    ImportPlan plan;
    for (double hour : {8.0, 18.0}) {
        PlanRow& row = plan.rows.emplace_back();
        row.activity.start = kMonday + hour / 24;
        row.outcome = ActivityOutcome::kFill;
        row.workout = day[plan.rows.size() - 1];
    }
    EXPECT_FALSE(plan.Choose(log, 0, ActivityOutcome::kFill, nextDay));
    EXPECT_FALSE(plan.Choose(log, 2, ActivityOutcome::kNew));
    EXPECT_EQ(plan.rows[0].workout, day[0]);

    EXPECT_TRUE(plan.Choose(log, 0, ActivityOutcome::kFill, day[1]));
    EXPECT_EQ(plan.rows[0].workout, day[1]);
    EXPECT_EQ(plan.rows[1].outcome, ActivityOutcome::kChoose);
    EXPECT_EQ(plan.rows[1].workout, 0u);
    EXPECT_EQ(plan.ImportedCount(), 1u);
    EXPECT_TRUE(plan.Choose(log, 1, ActivityOutcome::kSkip));
    EXPECT_TRUE(plan.Choose(log, 0, ActivityOutcome::kNew));
    EXPECT_EQ(plan.rows[0].workout, 0u);
    EXPECT_EQ(plan.ImportedCount(), 1u);
}

}  // namespace
}  // namespace kadenzo::test
