// Training load and form: the day's load against hand-computed impulses, the
// averages day by day, the flags of the days (warming up, ramp, past the
// plan), the legend's facts and why workouts went unrated, damaged figures,
// and an update after an edit against the whole series worked out anew.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <tuple>

#include "DateTime.h"
#include "DocumentFixture.h"
#include "FormLayout.h"
#include "FormSeries.h"

namespace kadenzo::test {
namespace {

constexpr int kToday = 45352;           // 1 March 2024, the fixture's clock
constexpr std::uint32_t kSteady = 20;   // absolute targets 120-140
constexpr std::uint32_t kNoPulse = 21;  // no targets
constexpr std::uint32_t kBelow = 22;    // only an upper target, 150

class FormSeriesTest : public DocumentFixture {
public:  // for the cases' set-up
    FormSeriesTest() {
        CLibWorkout& steady = AddItem(context.library->workoutTemplates, kSteady, "Steady");
        steady.pulseLow = 120;
        steady.pulseHigh = 140;
        steady.pulseRelative = 0;
        AddItem(context.library->workoutTemplates, kNoPulse, "Stretching");
        CLibWorkout& below = AddItem(context.library->workoutTemplates, kBelow, "Recovery");
        below.pulseHigh = 150;
        below.pulseRelative = 0;
        formContext = {context.library.get(), kToday, 190};
    }

    // A workout on the day `offset` days from today.
    CWorkOut& Add(int offset, std::uint32_t templateId, double duration, int averagePulse = 0) {
        auto w = MakeWorkout(NoonOfDayNumber(kToday + offset), templateId);
        w->duration = duration;
        w->averagePulse = static_cast<std::uint8_t>(averagePulse);
        return **log.AddWorkout(std::move(w));
    }
    void Rest(int offset, std::int32_t restingHeartRate) {
        CBodyInfo info(
            CalendarDateTime{CalendarDateTime::kValid, NoonOfDayNumber(kToday + offset)});
        info.value3 = restingHeartRate;
        info.weight = 70;
        log.SetBodyInfo(info);
    }
    FormSeries Computed() {
        FormSeries series;
        series.Compute(log, formContext);
        return series;
    }

    CDatabase log;
    FormContext formContext;
};

// Each case's load is the impulse minutes × r × 0.64 × e^(1.92 r) worked
// out by hand from the figures named.
TEST_F(FormSeriesTest, DayLoadsFollowTheRules) {
    struct Case {
        const char* what;
        std::function<void(FormSeriesTest&)> build;
        int day;
        double load;
        int unrated;
    };
    const Case cases[] = {
        {"performed: 60 min at 160, rest 60, max 190", [](auto& t) { t.Add(-1, kSteady, 60, 160); },
         -1, 129.36220648393228, 0},
        {"no average: the middle of the stored targets (130)",
         [](auto& t) {
             CWorkOut& w = t.Add(-1, kSteady, 60);
             w.targetFixed = 1;
             w.targetPulseLow = 125;
             w.targetPulseHigh = 135;
         },
         -1, 58.14061104896457, 0},
        {"a target open at one end counts with its limit: 50 min at 150",
         [](auto& t) { t.Add(-1, kBelow, 50); }, -1, 83.70024393645144, 0},
        {"planned today: 45 min at the template's 60-75 % of 190 (114-142)",
         [](auto& t) { t.Add(0, kTempoRun, 0).plannedDuration = 45; }, 0, 41.126650177209925, 0},
        {"missed yesterday counts nothing, not even as unrated",
         [](auto& t) { t.Add(-1, kTempoRun, 0).plannedDuration = 45; }, -1, 0, 0},
        {"a rest day", [](auto& t) { t.Add(-2, kSteady, 60, 160); }, -1, 0, 0},
        {"no heart rate at all: unrated", [](auto& t) { t.Add(-1, kNoPulse, 60); }, -1, 0, 1},
        {"a heart rate above the maximum counts as the maximum (r = 1)",
         [](auto& t) { t.Add(-1, kSteady, 60, 250); }, -1, 261.92480522076477, 0},
        {"resting heart rate 50 from the body data before; a weight alone keeps it",
         [](auto& t) {
             t.Rest(-9, 70);
             t.Rest(-5, 50);
             t.Rest(-2, 0);
             t.Add(-1, kSteady, 40, 140);
         },
         -1, 56.545482453548736, 0},
        {"a resting heart rate not below the maximum: unrated",
         [](auto& t) {
             t.Rest(-5, 190);
             t.Add(-1, kSteady, 40, 140);
         },
         -1, 0, 1},
        {"a maximum test counts from the next date on: 30 min at 150 with max 200",
         [](auto& t) {
             CWorkOut& test = t.Add(-10, kSteady, 20, 180);
             test.maxPulseTest = 1;
             test.maxPulse = 200;
             t.Add(-5, kSteady, 30, 150);
         },
         -5, 42.40911184016156, 0},
        {"on the test's own date the earlier maximum holds (190)",
         [](auto& t) {
             CWorkOut& test = t.Add(-5, kNoPulse, 20);
             test.maxPulseTest = 1;
             test.maxPulse = 200;
             t.Add(-5, kSteady, 30, 150);
         },
         -5, 50.22014636187087, 1},
        {"planned after a test: targets follow the new maximum (120-150), 60 min",
         [](auto& t) {
             CWorkOut& test = t.Add(-3, kNoPulse, 20);
             test.maxPulseTest = 1;
             test.maxPulse = 200;
             t.Add(3, kTempoRun, 0).plannedDuration = 60;
         },
         3, 57.53966747550063, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        log.DeleteContents();
        c.build(*this);
        const FormSeries series = Computed();
        EXPECT_NEAR(series.At(kToday + c.day).load, c.load, 1e-9);
        EXPECT_EQ(series.Unrated(), c.unrated);
    }
}

TEST_F(FormSeriesTest, FitnessFatigueAndFormFollowTheLoadDayByDay) {
    EXPECT_FALSE(Computed().FirstDay());
    Add(-2, kSteady, 60, 160);  // load 129.36220648393228
    Add(-3, kTempoRun, 0);      // missed: no day of the series
    Add(5, kNoPulse, 0).plannedDuration = 30;
    const FormSeries series = Computed();
    EXPECT_EQ(series.FirstDay(), kToday - 2);
    EXPECT_FALSE(series.LastPlannedDay());  // the planned one has no load

    struct Day {
        int day;
        double fitness, fatigue, form;
        bool projected;
    };
    const Day days[] = {
        {-3, 0, 0, 0, false},
        {-2, 3.080052535331721, 18.480315211990327, 0, false},
        {-1, 3.0067179511571562, 15.840270181705993, -15.400262676658606, false},
        {1, 3.0067179511571562 * std::pow(41.0 / 42, 2), 15.840270181705993 * std::pow(6.0 / 7, 2),
         3.0067179511571562 * 41 / 42 - 15.840270181705993 * 6 / 7, true},
    };
    for (const Day& d : days) {
        SCOPED_TRACE(d.day);
        const FormDay f = series.At(kToday + d.day);
        EXPECT_NEAR(f.fitness, d.fitness, 1e-12);
        EXPECT_NEAR(f.fatigue, d.fatigue, 1e-12);
        EXPECT_NEAR(f.form, d.form, 1e-12);
        EXPECT_EQ(f.projected, d.projected);
        // What the day starts with is the day before's end, to the bit.
        const FormDay before = series.At(kToday + d.day - 1);
        EXPECT_EQ(f.morningFitness, before.fitness);
        EXPECT_EQ(f.morningFatigue, before.fatigue);
    }
}

// The next event is the one starting first after today, in any stored order;
// one that starts today is under way, not next.
TEST_F(FormSeriesTest, TheLegendNamesTheNextEventAndWhatCannotBeRated) {
    Add(-1, kSteady, 60, 160);
    Add(-1, kNoPulse, 60);
    const FormSeries series = Computed();
    const std::vector<FormEventDays> events = {
        {kToday, kToday + 1}, {kToday + 20, kToday + 30}, {kToday + 8, kToday + 9}};
    const FormLegendFacts facts = LegendFacts(series, events, kToday, false);
    EXPECT_EQ(facts.nextEvent, 2);
    EXPECT_EQ(facts.nextEventDay, kToday + 8);
    EXPECT_EQ(facts.nextEventForm, RoundedFigures(series.At(kToday + 8)).form);
    EXPECT_NE(facts.nextEventForm, RoundedFigures(series.At(kToday + 9)).form);
    EXPECT_EQ(facts.unrated, 1);
    EXPECT_FALSE(LegendFacts(series, {events[0]}, kToday, true).nextEvent);
}

// Unrated workouts by reason: done without any heart rate, planned without a
// target (its template named once), or without a maximum above the resting
// heart rate. The no-maximum warning only when neither the profile (value or
// age formula, in the context) nor a maximum test gives one.
TEST_F(FormSeriesTest, UnratedWorkoutsByReasonAndTheNoMaximumWarning) {
    Add(-3, kNoPulse, 40);
    Add(-2, kNoPulse, 0).plannedDuration = 30;  // missed: not counted at all
    for (int day : {1, 3}) Add(day, kNoPulse, 0).plannedDuration = 30;
    Add(4, kSteady, 0).plannedDuration = 30;
    Rest(5, 200);
    Add(6, kSteady, 0).plannedDuration = 30;
    FormUnrated unrated = Computed().UnratedByReason();
    EXPECT_EQ(std::tie(unrated.performed, unrated.planned, unrated.noMaximum),
              std::make_tuple(1, 2, 1));
    EXPECT_EQ(unrated.plannedTemplates, std::vector<std::uint32_t>{kNoPulse});
    EXPECT_FALSE(LegendFacts(Computed(), {}, kToday, false).noMaximum);

    formContext.profileMaxHeartRate = 0;
    EXPECT_TRUE(LegendFacts(Computed(), {}, kToday, false).noMaximum);
    EXPECT_FALSE(LegendFacts(Computed(), {}, kToday, true).noMaximum);
    CWorkOut& test = Add(-20, kSteady, 20, 180);
    test.maxPulseTest = 1;
    test.maxPulse = 188;
    EXPECT_FALSE(LegendFacts(Computed(), {}, kToday, false).noMaximum);
}

// Daily sessions at 160 (2.156 load points a minute with rest 60 and max
// 190) from `first` on, heavier ones from hardFrom to `last`. Ramp days
// worked out by hand from the recurrences: from today on, fatigue above
// 1.5 × fitness, fitness at least 10, 56 days after the first workout.
TEST_F(FormSeriesTest, RampDaysFollowTheRule) {
    struct Case {
        const char* what;
        int first, hardFrom, last;
        double easyMinutes, hardMinutes;
        std::vector<int> rampDays;
    } const cases[] = {
        {"a heavy week after ten easy ones, fading after it",
         -70,
         0,
         6,
         30,
         120,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"only from 56 days after the first workout on", -50, 0, 6, 30, 120, {6, 7, 8, 9}},
        {"fitness below 10", -70, 0, 6, 2, 8, {}},
        {"a block that ended yesterday: only from today on", -70, -8, -2, 30, 120, {0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        log.DeleteContents();
        for (int day = c.first; day <= c.last; ++day)
            Add(day, kSteady, day < c.hardFrom ? c.easyMinutes : c.hardMinutes, 160);
        const FormSeries series = Computed();
        std::vector<int> ramp;
        for (int day = c.first; day <= 60; ++day)
            if (series.At(kToday + day).ramp) ramp.push_back(day);
        EXPECT_EQ(ramp, c.rampDays);
        // Today is a Friday: its week runs from day -4 to day 2.
        EXPECT_EQ(WeekHoldsRampDay(series, kToday - 4), !ramp.empty() && ramp[0] <= 2);
        EXPECT_EQ(LegendFacts(series, {}, kToday, true).rampDays, static_cast<int>(ramp.size()));
    }
}

// Warming up: the first 42 days from the first counted workout. Past the
// plan's last workout (rated or not) nothing is projected.
TEST_F(FormSeriesTest, DaysAreFlaggedAsWarmingUpAndPastThePlan) {
    Add(-50, kNoPulse, 0).plannedDuration = 30;  // missed: the series starts later
    Add(-45, kSteady, 30, 150);
    Add(5, kNoPulse, 0).plannedDuration = 40;  // unrated, still the plan
    const FormSeries series = Computed();
    EXPECT_EQ(series.PlanEnd(), kToday + 5);
    struct Day {
        int day;
        bool warmingUp, afterPlan;
    } const days[] = {{-46, false, false}, {-45, true, false}, {-4, true, false},
                      {-3, false, false},  {5, false, false},  {6, false, true}};
    for (const Day& d : days) {
        EXPECT_EQ(series.At(kToday + d.day).warmingUp, d.warmingUp) << d.day;
        EXPECT_EQ(series.At(kToday + d.day).afterPlan, d.afterPlan) << d.day;
    }
}

// Damaged records never stretch the series or make its figures infinite.
TEST_F(FormSeriesTest, DamagedFiguresStayFinite) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double dates[] = {nan, 1e300, -1e300, 3e6, -5.5};
    for (double date : dates) {
        auto w = MakeWorkout(date, kSteady);
        w->duration = 60;
        w->averagePulse = 150;
        log.AppendWorkout(std::move(w));
    }
    Add(-1, kSteady, nan, 150);
    Add(-1, kSteady, 1e300, 150);
    Add(2, kSteady, -5).plannedDuration = std::numeric_limits<double>::infinity();
    Rest(-4, std::numeric_limits<std::int32_t>::max());
    Rest(-3, -70);
    // Out of date order, as only a damaged file lists them.
    auto early = MakeWorkout(NoonOfDayNumber(kToday - 30), kSteady);
    early->duration = 60;
    early->averagePulse = 160;
    log.AppendWorkout(std::move(early));

    const FormSeries series = Computed();
    for (int day = kToday - 40; day <= kToday + 40; ++day) {
        const FormDay f = series.At(day);
        ASSERT_TRUE(std::isfinite(f.load) && std::isfinite(f.fitness) && std::isfinite(f.fatigue) &&
                    std::isfinite(f.form))
            << day;
    }
    EXPECT_EQ(series.FirstDay(), kToday - 30);
    EXPECT_NEAR(series.At(kToday - 30).load, 129.36220648393228, 1e-9);
    // Rated against a resting heart rate above every maximum from day -4 on.
    EXPECT_EQ(series.Unrated(), 2);
}

// After each of a run of random edits, the update from the changed day on
// gives exactly what working out the whole series anew gives.
TEST_F(FormSeriesTest, UpdateAfterAnEditEqualsTheWholeSeriesAnew) {
    std::mt19937 random(5);
    auto log = std::make_unique<CDatabase>();
    for (int i = 0; i < 300; ++i) {
        auto w = MakeWorkout(NoonOfDayNumber(kToday - 150 + static_cast<int>(random() % 200)),
                             random() % 2 ? kTempoRun : kSteady);
        if (w->date < NoonOfDayNumber(kToday) && random() % 8 != 0) {
            w->duration = 20 + random() % 100;
            w->averagePulse = static_cast<std::uint8_t>(random() % 3 ? 110 + random() % 70 : 0);
        }
        w->plannedDuration = 30 + random() % 60;
        w->maxPulseTest = random() % 25 == 0;
        w->maxPulse = static_cast<std::uint8_t>(180 + random() % 20);
        log->AddWorkout(std::move(w));
    }
    Start(std::move(log), 188);
    RecordingObserver observer;
    document->AddObserver(&observer);
    FormSeries series;
    series.Compute(document->Log(), FormContextOf(*document));

    for (int edit = 0; edit < 40; ++edit) {
        SCOPED_TRACE(edit);
        observer.Clear();
        const int offset = -150 + static_cast<int>(random() % 200);
        const std::size_t count = document->Log().WorkoutCount();
        const auto position = Nth(random() % count);
        switch (random() % 4) {
            case 0: {
                CWorkOut changed(**position);
                changed.averagePulse = static_cast<std::uint8_t>(100 + random() % 90);
                changed.maxPulseTest = random() % 3 == 0;
                changed.maxPulse = static_cast<std::uint8_t>(170 + random() % 40);
                edit::ReplaceWorkout(*document, position, changed);
                break;
            }
            case 1:
                edit::MoveWorkout(*document, position,
                                  edit::InDateOrder(NoonOfDayNumber(kToday + offset)));
                break;
            case 2:
                edit::RemoveWorkout(*document, position);
                break;
            default: {
                CBodyInfo info({CalendarDateTime::kValid, NoonOfDayNumber(kToday + offset)});
                info.value3 = static_cast<std::int32_t>(40 + random() % 30);
                edit::SetBodyInfo(*document, info);
            }
        }
        DocumentChange change;
        for (const DocumentChange& c : observer.changes) change |= c;
        if (!change.HasDays()) continue;  // nothing to change
        series.Update(document->Log(), FormContextOf(*document), change.firstDay);
        FormSeries anew;
        anew.Compute(document->Log(), FormContextOf(*document));
        EXPECT_EQ(series.Unrated(), anew.Unrated());
        EXPECT_EQ(series.FirstDay(), anew.FirstDay());
        EXPECT_EQ(series.LastPlannedDay(), anew.LastPlannedDay());
        for (int day = kToday - 160; day <= kToday + 60; ++day) {
            const FormDay a = series.At(day);
            const FormDay b = anew.At(day);
            ASSERT_EQ(std::tie(a.load, a.fitness, a.fatigue, a.form, a.unrated),
                      std::tie(b.load, b.fitness, b.fatigue, b.form, b.unrated))
                << "day " << day - kToday;
        }
    }
    document->RemoveObserver(&observer);
}

}  // namespace
}  // namespace kadenzo::test
