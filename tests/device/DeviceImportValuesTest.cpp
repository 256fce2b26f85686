// The device import window's rows and the outcomes each row may take.
#include <gtest/gtest.h>

#include <map>

#include "DeviceImportValues.h"
#include "DeviceSamples.h"
#include "DeviceTexts.h"
#include "StringTable.h"

namespace kadenzo::test {
namespace {

class Texts final : public StringTable {
public:
    std::string Text(std::uint32_t id) const override {
        static const std::map<std::uint32_t, std::string> texts{
            {devicetext::kNewWorkout, "New workout"},
            {devicetext::kSkip, "Skip"},
            {devicetext::kChoose, "Choose"},
            {devicetext::kFills, "Fills %s"},
            {devicetext::kPlanned, "%s (%s)"},
            {34050, "Mon|Tue|Wed|Thu|Fri|Sat|Sun"},
            {33102, "km"}};
        const auto text = texts.find(id);
        return text == texts.end() ? std::string() : text->second;
    }
};

class DeviceImportValuesTest : public ::testing::Test {
protected:
    DeviceImportValuesTest() {
        morning = log.HandleOf(log.AddWorkout(Planned(kMonday + 7.0 / 24, kEasyRun, kRunning, 50)));
        evening = log.HandleOf(log.AddWorkout(Planned(kMonday, kLongRun, kRunning, 0, 20)));
        log.AddWorkout(Planned(kMonday + 1.25, kEasyRun, kRunning, 40));  // the next day
    }
    // Rows of activities of the Monday, starting at these hours.
    DeviceImportValues Values(std::vector<PlanRow> rows) {
        ImportPlan plan;
        plan.rows = std::move(rows);
        return DeviceImportValues(std::move(plan), log, *library, units, texts);
    }
    static PlanRow Row(double hour, ActivityOutcome outcome, CDatabase::WorkoutHandle workout = 0) {
        PlanRow row;
        row.activity.start = kMonday + hour / 24;
        row.activity.sportId = kRunning;
        row.activity.duration = 52.5;
        row.activity.distance = 10.256;
        row.activity.averagePulse = 148;
        row.outcome = outcome;
        row.workout = workout;
        return row;
    }
    static std::vector<std::string> Labels(const std::vector<OutcomeChoice>& choices) {
        std::vector<std::string> labels;
        for (const OutcomeChoice& choice : choices) labels.push_back(choice.label);
        return labels;
    }

    std::unique_ptr<CLibrary> library = DeviceLibrary();
    CDatabase log;
    UnitSettings units;
    Texts texts;
    CDatabase::WorkoutHandle morning = 0, evening = 0;
};

TEST_F(DeviceImportValuesTest, ARowShowsItsActivityAndItsProposedOutcome) {
    const DeviceImportValues values = Values({Row(8.5, ActivityOutcome::kFill, morning)});
    using V = DeviceImportValues;
    const std::vector<std::string> cells{values.Cell(0, V::kDay),      values.Cell(0, V::kStart),
                                         values.Cell(0, V::kSport),    values.Cell(0, V::kDuration),
                                         values.Cell(0, V::kDistance), values.Cell(0, V::kPulse),
                                         values.Cell(0, V::kOutcome)};
    EXPECT_EQ(cells, (std::vector<std::string>{"Mon 04.03.2024", "08:30", "Running", "0:52:30",
                                               "10.26 km", "148", "Fills 07:00 Easy run (0:50)"}));
    EXPECT_EQ(values.Cell(1, V::kDay), "");
}

TEST_F(DeviceImportValuesTest, MissingFiguresShowAsBlanks) {
    PlanRow row = Row(8, ActivityOutcome::kNew);
    row.activity.distance = 0;
    row.activity.averagePulse = 0;
    const DeviceImportValues values = Values({row});
    EXPECT_EQ(values.Cell(0, DeviceImportValues::kDistance), "");
    EXPECT_EQ(values.Cell(0, DeviceImportValues::kPulse), "");
    EXPECT_EQ(values.Cell(0, DeviceImportValues::kOutcome), "New workout");
}

TEST_F(DeviceImportValuesTest, ARowMayFillAnyWorkoutOfItsDayBeNewOrBeSkipped) {
    const DeviceImportValues values = Values({Row(8, ActivityOutcome::kFill, evening)});
    // In log order: the long run at midnight comes first; a distance plan.
    EXPECT_EQ(Labels(values.Choices(0)),
              (std::vector<std::string>{"Fills Long run (20.00 km)", "Fills 07:00 Easy run (0:50)",
                                        "New workout", "Skip"}));
    EXPECT_EQ(values.ChoiceIndex(0), 0u);
    EXPECT_TRUE(values.Choices(1).empty());
}

TEST_F(DeviceImportValuesTest, ATieWaitsForAChoiceWhichThenLeavesTheList) {
    DeviceImportValues values = Values({Row(8, ActivityOutcome::kChoose)});
    ASSERT_EQ(values.FirstUnchosen(), 0u);
    EXPECT_EQ(values.Choices(0).front().outcome, ActivityOutcome::kChoose);
    EXPECT_EQ(values.ChoiceIndex(0), 0u);
    EXPECT_EQ(values.ImportedCount(), 0u);

    EXPECT_TRUE(values.Choose(0, 2));  // the easy run, behind "choose" and the long run
    EXPECT_EQ(values.Plan().rows[0].workout, morning);
    EXPECT_EQ(values.FirstUnchosen(), std::nullopt);
    EXPECT_EQ(values.Choices(0).size(), 4u);
    EXPECT_EQ(values.ChoiceIndex(0), 1u);
    EXPECT_EQ(values.ImportedCount(), 1u);
}

TEST_F(DeviceImportValuesTest, TakingAnotherRowsWorkoutLeavesThatRowToChoose) {
    DeviceImportValues values =
        Values({Row(8, ActivityOutcome::kFill, morning), Row(18, ActivityOutcome::kNew)});
    EXPECT_FALSE(values.Choose(1, 2));  // already a new workout
    EXPECT_FALSE(values.Choose(1, 9));
    EXPECT_TRUE(values.Choose(1, 1));
    EXPECT_EQ(values.Plan().rows[1].workout, morning);
    EXPECT_EQ(values.FirstUnchosen(), 0u);
    EXPECT_EQ(values.Cell(0, DeviceImportValues::kOutcome), "Choose");

    EXPECT_TRUE(values.Choose(0, values.Choices(0).size() - 1));  // skip
    EXPECT_EQ(values.Plan().rows[0].outcome, ActivityOutcome::kSkip);
    EXPECT_EQ(values.Cell(0, DeviceImportValues::kOutcome), "Skip");
    EXPECT_EQ(values.ImportedCount(), 1u);
    EXPECT_EQ(values.FirstUnchosen(), std::nullopt);
}

}  // namespace
}  // namespace kadenzo::test
