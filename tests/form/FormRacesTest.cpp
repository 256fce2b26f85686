// Races: which workouts are races and what they are called, the next race
// and the figures of its morning against hand-computed ones, and the legend
// as the English module words it.
#include <gtest/gtest.h>

#include <fstream>
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
constexpr std::uint32_t kRace = 30;
constexpr std::uint32_t kTimeTrial = 31;

// The English module's texts, read from the file the build makes it of.
class EnglishTexts : public StringTable {
public:
    EnglishTexts() {
        std::ifstream in(KADENZO_SOURCE_DIR "/resources/en/strings.tsv");
        for (std::string line; std::getline(in, line);) {
            const std::size_t tab = line.find('\t');
            if (!line.empty() && line[0] != '#' && tab != std::string::npos)
                texts_[std::stoul(line.substr(0, tab))] = Utf8ToCp1252(line.substr(tab + 1));
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
        AddItem(library->workoutTemplates, kRace, "Race").categoryId = kRaceCategory;
        AddItem(library->workoutTemplates, kTimeTrial, "Time trial").categoryId = kRaceCategory;
    }
    CWorkOut& Add(int offset, std::uint32_t templateId, const std::string& note = "") {
        auto w = MakeWorkout(NoonOfDayNumber(kRaceToday + offset), templateId);
        w->planNote = note;
        w->plannedDuration = 45;
        return **log.AddWorkout(std::move(w));
    }

    std::unique_ptr<CLibrary> library;
    CDatabase log;
};

TEST_F(FormRacesTest, RacesAreTheRaceCategorysWorkoutsNamedByTheirNote) {
    Add(-3, kRace, "Spring 10 km\r\nfast course");
    Add(-1, kTempoRun, "Not a race");
    Add(0, kTimeTrial, " \nhilly");  // a blank first line: the template's name
    Add(2, kRace, "City half marathon\nbring gels");
    Add(5, 999, "Template gone");
    const std::vector<FormRace> expected = {{kRaceToday - 3, "Spring 10 km"},
                                            {kRaceToday, "Time trial"},
                                            {kRaceToday + 2, "City half marathon"}};
    EXPECT_EQ(RacesBetween(log, *library, kRaceCategory, kRaceToday - 9, kRaceToday + 9), expected);
    EXPECT_TRUE(RacesBetween(log, *library, std::nullopt, kRaceToday - 9, kRaceToday + 9).empty());
    // A race today counts; after it the next one's turn.
    EXPECT_EQ(NextRace(log, *library, kRaceCategory, kRaceToday), expected[1]);
    EXPECT_EQ(NextRace(log, *library, kRaceCategory, kRaceToday + 1), expected[2]);
    EXPECT_FALSE(NextRace(log, *library, kRaceCategory, kRaceToday + 3));
    EXPECT_EQ(DefaultRaceCategory(*library), std::optional<std::uint32_t>(6));
    EXPECT_FALSE(DefaultRaceCategory(*MakeLibrary()));
}

// The choice as the settings keep it: a category the library lacks, or a
// text that is no id, falls back to the library's default, never to "no
// races" nor to a category that matches nothing.
TEST_F(FormRacesTest, AStoredChoiceFallsBackToTheDefault) {
    AddItem(library->categories, 3, "Tempo");
    const std::unique_ptr<CLibrary> bare = MakeLibrary();
    AddItem(bare->categories, 3, "Tempo");
    using Category = std::optional<std::uint32_t>;
    struct Case {
        const char* choice;
        Category withRace, withoutRace;
    } const cases[] = {
        {"", 6, std::nullopt},
        {"none", std::nullopt, std::nullopt},
        {"3", 3, 3},
        {"6", 6, std::nullopt},
        {"99", 6, std::nullopt},
        {"4294967296", 6, std::nullopt},
        {"-3", 6, std::nullopt},
        {"3 ", 6, std::nullopt},
        {"None", 6, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice);
        EXPECT_EQ(ChosenRaceCategory(*library, c.choice), c.withRace);
        EXPECT_EQ(ChosenRaceCategory(*bare, c.choice), c.withoutRace);
    }
    for (const Category choice : {Category(), Category(0), Category(4294967295u)}) {
        Category read = 17;
        EXPECT_TRUE(ReadRaceCategory(RaceCategoryText(choice), &read));
        EXPECT_EQ(read, choice);
    }
}

// One session of 60 minutes at 160 two days before today (rest 60, max 190:
// load L = 129.36220648393228), a race tomorrow. Its morning: fitness
// L/42 × (41/42)², fatigue L/7 × (6/7)², form exactly their difference.
TEST_F(FormRacesTest, TheNextRacesMorningIsTheDayBeforesFitnessLessFatigue) {
    CWorkOut& done = Add(-2, kTempoRun);
    done.duration = 60;
    done.averagePulse = 160;
    Add(1, kRace, "Club race");
    FormSeries series;
    series.Compute(log, {library.get(), kRaceToday, 190});

    const FormMorning morning = MorningOf(series, kRaceToday + 1);
    EXPECT_NEAR(morning.fitness, 2.935129428510557, 1e-12);
    EXPECT_NEAR(morning.fatigue, 13.577374441462279, 1e-12);
    EXPECT_EQ(morning.form, morning.fitness - morning.fatigue);
    const FormLegendFacts facts = LegendFacts(series, {}, kRaceToday, true,
                                              NextRace(log, *library, kRaceCategory, kRaceToday));
    EXPECT_EQ(facts.nextRaceMorning, (FormMorningFigures{-11, 3, 14}));
    // Rounded figures add up: 89.4 and 110.6 read 89 and 111, so form -22.
    EXPECT_EQ(RoundedMorning({-21.2, 89.4, 110.6}), (FormMorningFigures{-22, 89, 111}));
    // The day's row reads the same form, not -21.
    FormDay row;
    row.form = -21.2;
    row.morningFitness = 89.4;
    row.morningFatigue = 110.6;
    EXPECT_EQ(RoundedFigures(row).form, -22);
}

TEST_F(FormRacesTest, TheLegendSaysWhatTheFiguresMean) {
    const EnglishTexts texts;
    FormLegendFacts facts;
    facts.todayDay = kRaceToday;
    facts.todayMorning = {-21, 89, 110};
    facts.nextRace = FormRace{kRaceToday + 33, "City half marathon"};
    facts.nextRaceMorning = {7, 80, 73};
    facts.warmingUpLastDay = kRaceToday - 10;
    facts.unratedByReason = {0, 2, 3, {kTempoRun, kRace}};
    const std::vector<FormLegendText> lines =
        FormLegendTexts(facts, {kRaceToday - 42, kRaceToday}, *library, texts);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].text,
              "Next race: City half marathon on 03.04.2024, form that morning 7 = fitness 80 \x96 "
              "fatigue 73");
    EXPECT_EQ(lines[1].text,
              "Today, 01.03.2024: form this morning -21 = yesterday's fitness 89 \x96 fatigue 110");
    EXPECT_EQ(lines[2].text.rfind("Warming up until 20.02.2024:", 0), 0u);
    EXPECT_EQ(lines[3], (FormLegendText{"2 planned workouts have no target heart rate and are left "
                                        "out of the projection: add a target to their templates "
                                        "under Extras \x9B Library (Tempo run, Race)",
                                        true, FormLegendText::kWarning}));
    EXPECT_EQ(lines[4].text.rfind("3 workouts cannot be rated:", 0), 0u);

    // Days shown after the warming up; no maximum known at all.
    facts.noMaximum = true;
    const std::vector<FormLegendText> later =
        FormLegendTexts(facts, {kRaceToday - 9, kRaceToday}, *library, texts);
    ASSERT_EQ(later.size(), 4u);
    EXPECT_EQ(later[3], (FormLegendText{texts.Text(35108), true, FormLegendText::kWarning}));
    EXPECT_EQ(lines[0].kind, FormLegendText::kNextRace);
    EXPECT_EQ(lines[2].kind, FormLegendText::kWarmingUp);
}

}  // namespace
}  // namespace kadenzo::test
