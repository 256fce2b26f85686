// The workout search: building criteria from what is typed, and which
// workouts a search finds.
#include <gtest/gtest.h>

#include <utility>

#include "AddLibraryItem.h"
#include "Database.h"
#include "DateTime.h"
#include "Library.h"
#include "WorkoutSearch.h"

namespace kadenzo {
namespace {

constexpr int kToday = 45352;  // 2024-03-01
constexpr std::uint32_t kRun = 1;
constexpr std::uint32_t kSwim = 2;
constexpr std::uint32_t kEasy = 5;  // a template of category 7
constexpr std::uint32_t kBase = 7;

using test::AddItem;

SearchCriterion Typed(SearchProperty p, SearchOperator op, const std::string& text) {
    return TypedCriterion(p, op, text).value();
}

class WorkoutSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        AddItem(library.categories, kBase, "Base");
        AddItem(library.workoutTemplates, kEasy, "Easy").categoryId = kBase;
        AddItem(library.sports, kRun, "Run").hasDistance = 1;
        AddItem(library.sports, kSwim, "Swim");
        settings.lastDay = kToday;
    }

    CWorkOut& Add(double date) {
        auto workout = std::make_unique<CWorkOut>();
        workout->date = date;
        workout->templateId = kEasy;
        workout->sportId = kRun;
        return **log.AddWorkout(std::move(workout));
    }

    // Positions of the found workouts, counted from 0.
    std::vector<long> Found(const std::vector<SearchCriterion>& criteria) {
        std::vector<long> positions;
        for (auto it : FindWorkouts(log, criteria, library, settings))
            positions.push_back(std::distance(std::as_const(log).BeginWorkouts(), it));
        return positions;
    }

    CLibrary library;
    CDatabase log;
    SearchSettings settings;
};

TEST(SearchCriteriaTest, ComparisonsNotOfferedMakeNoCriterion) {
    using O = SearchOperator;
    EXPECT_FALSE(TypedCriterion(SearchProperty::Distance, O::Contains, "5"));
    EXPECT_FALSE(ItemCriterion(SearchProperty::Sport, O::AtLeast, 1, "Run"));
    EXPECT_FALSE(TypedCriterion(SearchProperty::Sport, O::Equal, "1"));  // not typed
    EXPECT_EQ(DateCriterion(SearchProperty::Date, O::Equal, kToday)->display, "01.03.2024");
}

TEST(SearchCriteriaTest, TypedValuesReadAsTheDialogReadsThem) {
    const struct {
        SearchProperty property;
        const char* typed;
        double value;
    } cases[] = {
        {SearchProperty::Duration, "1:30", 90},
        {SearchProperty::Duration, "1:30:30", 90.5},
        {SearchProperty::Duration, "45", 45},
        {SearchProperty::Distance, "12,5", 12.5},  // a decimal comma
        {SearchProperty::Distance, "10km", 10},
        {SearchProperty::AveragePulse, "abc", 0},
    };
    for (const auto& c : cases) {
        const SearchCriterion criterion = Typed(c.property, SearchOperator::AtLeast, c.typed);
        EXPECT_DOUBLE_EQ(criterion.number, c.value) << c.typed;
        EXPECT_EQ(criterion.display, c.typed);
    }
}

TEST_F(WorkoutSearchTest, TextsContainWithCaseButEqualWithout) {
    Add(kToday - 3).notes = "easy run";
    Add(kToday - 2).notes = "Run";
    Add(kToday - 1).notes = "RUN";
    Add(kToday - 1).planNote = "\xC4rger";  // Windows-1252 A umlaut
    using O = SearchOperator;
    EXPECT_EQ(Found({Typed(SearchProperty::Comment, O::Contains, "run")}), (std::vector<long>{0}));
    EXPECT_EQ(Found({Typed(SearchProperty::Comment, O::Equal, "run")}), (std::vector<long>{1, 2}));
    EXPECT_EQ(Found({Typed(SearchProperty::Note, O::Equal, "\xE4RGER")}), (std::vector<long>{3}));
    EXPECT_EQ(Found({Typed(SearchProperty::Note, O::Contains, "")}),
              (std::vector<long>{0, 1, 2, 3}));
}

TEST_F(WorkoutSearchTest, TheMarkedSectionCountsWhereThereIsOne) {
    CWorkOut& sectioned = Add(kToday - 2);
    sectioned.distance = 12;
    sectioned.partDistance = 5;
    sectioned.averagePulse = 140;
    sectioned.partAveragePulse = 165;
    Add(kToday - 1).distance = 10;  // no section: the whole counts
    const SearchCriterion tenOrMore =
        Typed(SearchProperty::Distance, SearchOperator::AtLeast, "10");
    EXPECT_EQ(Found({tenOrMore}), (std::vector<long>{1}));
    EXPECT_EQ(Found({Typed(SearchProperty::AveragePulse, SearchOperator::AtLeast, "160")}),
              (std::vector<long>{0}));
    settings.preferSection = false;
    EXPECT_EQ(Found({tenOrMore}), (std::vector<long>{0, 1}));
    // Miles: 10 km are 6.2 miles.
    settings.units.distance = 1;
    EXPECT_EQ(Found({Typed(SearchProperty::Distance, SearchOperator::AtMost, "6.3")}),
              (std::vector<long>{1}));
}

TEST_F(WorkoutSearchTest, WholeDaysCountUpToToday) {
    Add(kToday - 1 + 0.9);
    Add(kToday + 0.95);     // this evening
    Add(kToday + 1 + 0.1);  // tomorrow morning
    EXPECT_EQ(Found({}), (std::vector<long>{0, 1}));
    using O = SearchOperator;
    const auto on = [](O op, int day) {
        return DateCriterion(SearchProperty::Date, op, day).value();
    };
    EXPECT_EQ(Found({on(O::Equal, kToday)}), (std::vector<long>{1}));
    EXPECT_EQ(Found({on(O::AtMost, kToday - 1)}), (std::vector<long>{0}));
    EXPECT_EQ(Found({on(O::AtLeast, kToday - 1), on(O::AtMost, kToday - 1)}),
              (std::vector<long>{0}));
}

TEST_F(WorkoutSearchTest, LibraryItemsCompareByIdAndCategoryThroughTheTemplate) {
    Add(kToday - 3).sportId = kSwim;
    Add(kToday - 2).subSportId = 4;
    Add(kToday - 1).templateId = 99;  // a template that is gone has no category
    using O = SearchOperator;
    const auto item = [](SearchProperty p, std::uint32_t id) {
        return ItemCriterion(p, O::Equal, id, "").value();
    };
    EXPECT_EQ(Found({item(SearchProperty::Category, kBase)}), (std::vector<long>{0, 1}));
    EXPECT_EQ(Found({item(SearchProperty::Sport, kSwim)}), (std::vector<long>{0}));
    // "< ------ >" (0) finds the workouts without a sub-sport.
    EXPECT_EQ(Found({item(SearchProperty::SubSport, 0)}), (std::vector<long>{0, 2}));
    EXPECT_EQ(Found({item(SearchProperty::Sport, kRun), item(SearchProperty::SubSport, 0)}),
              (std::vector<long>{2}));
}

}  // namespace
}  // namespace kadenzo
