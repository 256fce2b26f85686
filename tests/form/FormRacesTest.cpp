// Races: which workouts are races and what they are called, the next race
// and the figures of its morning against hand-computed ones, and the form
// view's legend as the English texts word it.
#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <map>

#include "Cp1252.h"
#include "DateTime.h"
#include "FormLegend.h"
#include "FormRaces.h"
#include "LogFixtures.h"
#include "StringTable.h"

namespace kadenzo::test {
namespace {

constexpr int kRaceToday = 45352;  // 1 March 2024, today in these cases
constexpr std::uint32_t kRaceCategory = 6;
constexpr std::uint32_t kRace = 30;       // a race template, absolute targets 170-180
constexpr std::uint32_t kTimeTrial = 31;  // another template of the race category
constexpr std::uint32_t kTempoCategory = 2;

// The English module's texts, read from the file the build turns into it.
class EnglishTexts : public StringTable {
public:
    EnglishTexts() {
        std::ifstream in(KADENZO_SOURCE_DIR "/resources/en/strings.tsv");
        std::string line;
        while (std::getline(in, line)) {
            const std::size_t tab = line.find('\t');
            if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
            texts_[static_cast<std::uint32_t>(std::stoul(line.substr(0, tab)))] =
                Utf8ToCp1252(line.substr(tab + 1));
        }
    }
    std::string Text(std::uint32_t id) const override {
        const auto it = texts_.find(id);
        return it == texts_.end() ? std::string() : it->second;
    }

private:
    std::map<std::uint32_t, std::string> texts_;
};

class FormRacesTest : public ::testing::Test {
protected:
    FormRacesTest() : library(MakeLibrary()) {
        AddItem(library->categories, kRaceCategory, "Race");
        AddItem(library->categories, kTempoCategory, "Tempo");
        CLibWorkout& race = AddItem(library->workoutTemplates, kRace, "Race");
        race.categoryId = kRaceCategory;
        race.pulseLow = 170;
        race.pulseHigh = 180;
        race.pulseRelative = 0;
        AddItem(library->workoutTemplates, kTimeTrial, "Time trial").categoryId = kRaceCategory;
        library->FindWorkout(kTempoRun)->categoryId = kTempoCategory;
    }

    CWorkOut& Add(int offset, std::uint32_t templateId, const std::string& note = "") {
        auto w = MakeWorkout(NoonOfDayNumber(kRaceToday + offset), templateId);
        w->planNote = note;
        w->plannedDuration = 45;
        return **log.AddWorkout(std::move(w));
    }
    std::optional<FormRace> Next() { return NextRace(log, *library, kRaceCategory, kRaceToday); }

    std::unique_ptr<CLibrary> library;
    CDatabase log;
};

TEST_F(FormRacesTest, RacesAreTheRaceCategorysWorkoutsNamedByTheirNote) {
    Add(-3, kRace, "Spring 10 km\r\nfast course");
    Add(-1, kTempoRun, "Not a race");
    Add(0, kTimeTrial, " \nhilly");  // a blank first line: the template's name
    Add(2, kRace, "City half marathon\nbring gels");
    Add(2, kRace, "Second start");
    Add(5, 999, "Template gone");  // no template: not of any category
    const std::vector<FormRace> expected = {{kRaceToday - 3, "Spring 10 km"},
                                            {kRaceToday, "Time trial"},
                                            {kRaceToday + 2, "City half marathon"},
                                            {kRaceToday + 2, "Second start"}};
    EXPECT_EQ(RacesBetween(log, *library, kRaceCategory, kRaceToday - 10, kRaceToday + 10),
              expected);
    EXPECT_EQ(RacesBetween(log, *library, kRaceCategory, kRaceToday - 2, kRaceToday + 1),
              std::vector<FormRace>(expected.begin() + 1, expected.begin() + 2));
    EXPECT_TRUE(
        RacesBetween(log, *library, std::nullopt, kRaceToday - 10, kRaceToday + 10).empty());
    EXPECT_EQ(RacesBetween(log, *library, kTempoCategory, kRaceToday - 10, kRaceToday + 10),
              (std::vector<FormRace>{{kRaceToday - 1, "Not a race"}}));

    // A race today counts, performed or not; after it the next one's turn.
    EXPECT_EQ(Next(), expected[1]);
    EXPECT_EQ(NextRace(log, *library, kRaceCategory, kRaceToday + 1), expected[2]);
    EXPECT_FALSE(NextRace(log, *library, kRaceCategory, kRaceToday + 3));
    EXPECT_FALSE(NextRace(log, *library, std::nullopt, kRaceToday));
}

TEST_F(FormRacesTest, TheStarterRaceCategoryIsTakenWhenTheLibraryHasIt) {
    EXPECT_EQ(DefaultRaceCategory(*library), std::optional<std::uint32_t>(6));
    EXPECT_FALSE(DefaultRaceCategory(*MakeLibrary()));
}

// One session of 60 minutes at 160 two days before today (rest 60, max 190:
// load 129.36220648393228), nothing after it, a race tomorrow. Its morning:
// fitness L/42 × (41/42)², fatigue L/7 × (6/7)², form their difference.
TEST_F(FormRacesTest, TheNextRacesMorningIsTheDayBeforesFitnessLessFatigue) {
    CWorkOut& done = Add(-2, kTempoRun);
    done.duration = 60;
    done.averagePulse = 160;
    Add(1, kRace, "Club race");
    FormSeries series;
    series.Compute(log, {library.get(), kRaceToday, 190});

    const std::optional<FormRace> race = Next();
    ASSERT_TRUE(race);
    const FormMorning morning = MorningOf(series, race->day);
    EXPECT_NEAR(morning.fitness, 2.935129428510557, 1e-12);
    EXPECT_NEAR(morning.fatigue, 13.577374441462279, 1e-12);
    EXPECT_NEAR(morning.form, -10.642245012951722, 1e-12);
    // Exactly the difference, so that the tool's figures add up to the last digit.
    EXPECT_EQ(morning.form, morning.fitness - morning.fatigue);
    EXPECT_EQ(RoundedMorning(morning), (FormMorningFigures{-11, 3, 14}));

    const FormLegendFacts facts = LegendFacts(series, {}, kRaceToday, true, race);
    ASSERT_TRUE(facts.nextRace);
    EXPECT_EQ(facts.nextRaceMorning, (FormMorningFigures{-11, 3, 14}));
}

// Rounded figures that add up: 89.4 and 110.6 read 89 and 111, so form reads
// -22, not the -21 that rounding -21.2 gives.
TEST(FormMorning, RoundedFiguresAddUp) {
    struct Case {
        FormMorning morning;
        FormMorningFigures figures;
    } const cases[] = {
        {{-21.2, 89.4, 110.6}, {-22, 89, 111}},
        {{0, 0, 0}, {0, 0, 0}},
        {{0.5, 10.5, 10.0}, {1, 11, 10}},
        {{0, std::numeric_limits<double>::quiet_NaN(), 3}, {-3, 0, 3}},
    };
    for (const Case& c : cases) EXPECT_EQ(RoundedMorning(c.morning), c.figures);
}

// The legend as the athlete reads it: this morning's sum, the race, warming
// up while the days shown reach into it, the plan's end, the ramp, and the
// warnings with what to do about them.
TEST_F(FormRacesTest, TheLegendSaysWhatTheFiguresMean) {
    const EnglishTexts texts;
    FormLegendFacts facts;
    facts.todayDay = kRaceToday;
    facts.todayMorning = {-21, 89, 110};
    facts.nextRace = FormRace{kRaceToday + 33, "City half marathon"};
    facts.nextRaceMorning = {7, 80, 73};
    facts.warmingUpLastDay = kRaceToday - 10;
    facts.planEnd = kRaceToday + 40;
    facts.rampDays = 3;
    facts.firstRampDay = kRaceToday + 5;
    facts.unratedByReason = {1, 2, 0, {kTempoRun, kRace}};
    const FormDays shown{kRaceToday - 42, kRaceToday + 42};

    const std::vector<FormLegendText> expected = {
        {"Today, 01.03.2024: form this morning -21 = yesterday's fitness 89 \x96 fatigue 110"},
        {"Next race: City half marathon on 03.04.2024, form that morning 7 = fitness 80 \x96 "
         "fatigue 73"},
        {"Warming up until 20.02.2024: fitness starts from zero at the diary's first workout, so "
         "form reads too low until then"},
        {"The plan ends on 10.04.2024: nothing is projected after it"},
        {"3 ramp days from 06.03.2024: fatigue rises above 1.5 \xD7 fitness, the plan adds load "
         "faster than the body adapts",
         true},
        {"1 workout was done without a heart rate: enter its average heart rate, or a target "
         "heart rate for its template under Extras \x9B Library",
         true},
        {"2 planned workouts have no target heart rate and are left out of the projection: add a "
         "target to their templates under Extras \x9B Library (Tempo run, Race)",
         true},
    };
    EXPECT_EQ(FormLegendTexts(facts, shown, *library, texts), expected);

    // Days shown after the warming up; one ramp day; a maximum unknown.
    facts.rampDays = 1;
    facts.unratedByReason = {0, 0, 4, {}};
    facts.noMaximum = true;
    std::vector<FormLegendText> lines =
        FormLegendTexts(facts, {kRaceToday - 9, kRaceToday + 42}, *library, texts);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[3].text.rfind("Ramp on 06.03.2024:", 0), 0u) << lines[3].text;
    EXPECT_EQ(lines[4], (FormLegendText{texts.Text(35108), true}));
    facts.noMaximum = false;
    lines = FormLegendTexts(facts, {kRaceToday - 9, kRaceToday + 42}, *library, texts);
    EXPECT_EQ(lines.back().text,
              "4 workouts cannot be rated: no maximum heart rate above the resting heart rate is "
              "known for their days");
}

TEST(FormDayNote, HoveringNamesRampAndWarmingUpDays) {
    const EnglishTexts texts;
    FormDay day;
    EXPECT_EQ(FormDayNote(day, texts), "");
    day.warmingUp = true;
    EXPECT_EQ(FormDayNote(day, texts), "warming up");
    day.ramp = true;
    EXPECT_EQ(FormDayNote(day, texts), "ramp: the load climbs faster than the body adapts");
}

}  // namespace
}  // namespace kadenzo::test
