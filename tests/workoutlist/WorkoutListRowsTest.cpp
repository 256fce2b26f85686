// The workout list's rows: their texts and their order.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "AddLibraryItem.h"
#include "Library.h"
#include "StringTable.h"
#include "WorkoutListRows.h"

namespace kadenzo {
namespace {

class UnitTexts : public StringTable {
public:
    std::string Text(std::uint32_t id) const override {
        return id == 33102 ? " km" : id == 33103 ? " mi" : "";
    }
};

using test::AddItem;

class WorkoutListRowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        AddItem(library.sports, 9, "Bike").hasDistance = 1;
        AddItem(library.sports, 4, "Yoga");  // measured without distance
        AddItem(library.workoutTemplates, 1, "Zone 2");
        AddItem(library.workoutTemplates, 2, "Intervals");
    }

    CWorkOut& Add(double date, std::uint32_t templateId, std::uint32_t sportId) {
        auto workout = std::make_unique<CWorkOut>();
        workout->date = date;
        workout->templateId = templateId;
        workout->sportId = sportId;
        return **log.AddWorkout(std::move(workout));
    }

    std::vector<CDatabase::ConstWorkoutPos> Rows() const {
        std::vector<CDatabase::ConstWorkoutPos> rows;
        for (auto it = log.BeginWorkouts(); it != log.EndWorkouts(); ++it) rows.push_back(it);
        return rows;
    }

    // The rows' positions in the log.
    std::vector<long> Offsets(const std::vector<CDatabase::ConstWorkoutPos>& rows) const {
        std::vector<long> offsets;
        for (auto row : rows) offsets.push_back(std::distance(log.BeginWorkouts(), row));
        return offsets;
    }

    std::vector<long> Sorted(WorkoutListSort sort) const {
        std::vector<CDatabase::ConstWorkoutPos> rows = Rows();
        SortWorkoutRows(rows, sort, library);
        return Offsets(rows);
    }

    CLibrary library;
    CDatabase log;
    UnitSettings units;
    UnitTexts texts;
};

TEST_F(WorkoutListRowsTest, TextsOfTheSevenColumns) {
    CWorkOut& ride = Add(45352.75, 1, 9);  // 1 March 2024, 18:00
    ride.distance = 42.26;
    ride.duration = 95.5;
    ride.partDistance = 10;
    ride.partDuration = 20.25;
    CWorkOut& yoga = Add(45353.3, 2, 4);
    yoga.distance = 3;
    yoga.partDistance = 1;
    CWorkOut& unknown = Add(45354.3, 7, 0);
    unknown.distance = 5;

    using Row = std::array<std::string, kWorkoutListColumns>;
    const auto rows = Rows();
    EXPECT_EQ(WorkoutRowTexts(**rows[0], library, units, texts),
              (Row{"01.03.2024", "Zone 2", "Bike", "42.3 km", "1:35:30", "10.0 km", "0:20:15"}));
    EXPECT_EQ(WorkoutRowTexts(**rows[1], library, units, texts),
              (Row{"02.03.2024", "Intervals", "Yoga", "---", "0:00:00", "", ""}));
    // No sport (0) shows no name but the distance; a missing template "???".
    EXPECT_EQ(WorkoutRowTexts(**rows[2], library, units, texts),
              (Row{"03.03.2024", "???", "", "5.0 km", "0:00:00", "", ""}));
    units.distance = 1;
    EXPECT_EQ(WorkoutRowTexts(**rows[0], library, units, texts)[3], "26.2 mi");
}

TEST_F(WorkoutListRowsTest, SortingByAColumnAndBack) {
    Add(45352.5, 1, 9).distance = 20;
    Add(45353.5, 2, 4).distance = 5;
    Add(45354.5, 1, 4).distance = 20;
    Add(45355.5, 2, 9).distance = std::nan("");  // from a damaged file

    WorkoutListSort sort;
    EXPECT_EQ(Sorted(sort), (std::vector<long>{0, 1, 2, 3}));  // unsorted: as found
    sort.Click(0);
    sort.Click(0);
    EXPECT_EQ(sort.Value(), -1);
    EXPECT_EQ(Sorted(sort), (std::vector<long>{3, 2, 1, 0}));
    // By sport id, not name ("Bike" is 9, "Yoga" 4); equal ids keep their order.
    sort.Click(2);
    EXPECT_EQ(Sorted(sort), (std::vector<long>{1, 2, 0, 3}));
    sort.Click(1);
    EXPECT_EQ(Sorted(sort), (std::vector<long>{1, 3, 0, 2}));  // "Intervals" < "Zone 2"
    // What is not a number sorts first and keeps the order strict.
    sort.Click(3);
    EXPECT_EQ(Sorted(sort), (std::vector<long>{3, 1, 0, 2}));
    sort.Click(3);
    EXPECT_EQ(Sorted(sort), (std::vector<long>{0, 2, 1, 3}));
}

// Workouts edited from the list join what the search found, in the log's
// order; one that left the log or is found anyway adds nothing.
TEST_F(WorkoutListRowsTest, EditedWorkoutsStayInTheList) {
    for (double date : {45352.5, 45353.5, 45354.5, 45355.5}) Add(date, 1, 9);
    const std::vector<CDatabase::ConstWorkoutPos> all = Rows();
    const CDatabase::WorkoutHandle gone = log.HandleOf(all[3]);
    log.RemoveWorkout(log.MutablePosition(all[3]));
    const std::vector<CDatabase::ConstWorkoutPos> found = {all[2]};
    EXPECT_EQ(Offsets(KeepEditedRows(found, log, {})), (std::vector<long>{2}));
    EXPECT_EQ(Offsets(KeepEditedRows(found, log, {log.HandleOf(all[2]), gone})),
              (std::vector<long>{2}));
    EXPECT_EQ(Offsets(KeepEditedRows(found, log, {gone, log.HandleOf(all[0])})),
              (std::vector<long>{0, 2}));
}

}  // namespace
}  // namespace kadenzo
