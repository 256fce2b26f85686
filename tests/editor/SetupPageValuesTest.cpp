#include <gtest/gtest.h>

#include "EditorFixture.h"
#include "SetupPageValues.h"
#include "WorkOut.h"

namespace kadenzo {
namespace {

using namespace editortest;

class SetupPage : public testing::Test {
protected:
    SetupPageValues Open(CWorkOut& workout, const UnitSettings& units = kMetric) {
        return SetupPageValues(workout,
                               {*library, units, texts, [](const CWorkOut&) { return 180; }});
    }
    CWorkOut Planned(std::uint32_t id) { return CWorkOut(*library->FindWorkout(id)); }
    static std::string Shown(const SetupPageValues& page) {
        return page.Sports()[static_cast<std::size_t>(page.SportIndex())].name;
    }

    std::unique_ptr<CLibrary> library = SmallLibrary();
    UnitTexts texts;
};

TEST_F(SetupPage, TemplateRangeAndItsOwnRange) {
    CWorkOut workout = Planned(kEasyRun);
    EXPECT_EQ(Open(workout).heartRateText, "108 -> 144 bpm");

    // Targets the workout keeps stay until another template is chosen.
    workout.targetFixed = 1;
    workout.targetPulseLow = 100;
    workout.targetPulseHigh = 130;
    SetupPageValues page = Open(workout);
    EXPECT_EQ(page.heartRateText, "100 -> 130 bpm");
    EXPECT_FALSE(page.ChooseTemplate(kEasyRun));
    EXPECT_FALSE(page.ChooseTemplate(kNoId));
    ASSERT_TRUE(page.ChooseTemplate(kFree));
    EXPECT_EQ(page.heartRateText, "> 120 bpm");
    EXPECT_EQ(page.templateComment, "About Free");
}

TEST_F(SetupPage, SportComboFollowsTheTemplate) {
    // A template naming a sport sets it and locks the choice.
    CWorkOut run = Planned(kEasyRun);
    run.sportId = kCycling;
    SetupPageValues runPage = Open(run);
    EXPECT_FALSE(runPage.SportEnabled());
    EXPECT_EQ(run.sportId, kRunning);
    runPage.SelectSport(2);
    EXPECT_EQ(run.sportId, kRunning);

    // A template without one (-1) leaves the active sports to choose from.
    CWorkOut free = Planned(kFree);
    SetupPageValues freePage = Open(free);
    EXPECT_TRUE(freePage.SportEnabled());
    EXPECT_EQ(Shown(freePage), "--------");
    EXPECT_EQ(freePage.Sports().size(), 4u);  // none, running, cycling, strength
    freePage.SelectSport(2);
    EXPECT_EQ(free.sportId, kCycling);
    freePage.SelectSport(-1);
    EXPECT_EQ(free.sportId, 0u);
    ASSERT_TRUE(freePage.ChooseTemplate(kGym));
    EXPECT_FALSE(freePage.SportEnabled());
    EXPECT_EQ(free.sportId, kStrength);

    // A sport no longer offered still shows by its name.
    CWorkOut rowing = Planned(kFree);
    rowing.sportId = kRowing;
    EXPECT_EQ(Shown(Open(rowing)), "Rowing");
}

TEST_F(SetupPage, OkStoresThePlanAndKeepsWhatWasNotRetyped) {
    for (const UnitSettings& units : {kMetric, kImperial}) {
        CWorkOut workout = Planned(kEasyRun);
        workout.plannedDuration = 90.5;  // shown without its seconds
        workout.plannedDistance = 20.04;
        const CWorkOut stored = workout;
        SetupPageValues page = Open(workout, units);
        page.Apply();
        EXPECT_FALSE(workout.IsDifferent(stored));

        page.plannedText = "1:15, 12,5" + std::string(units.distance ? "mi" : "km");
        page.flag = true;
        page.note = "Hills";
        page.Apply();
        EXPECT_DOUBLE_EQ(workout.plannedDuration, 75);
        EXPECT_DOUBLE_EQ(workout.plannedDistance, units.distance ? 20.12 : 12.5);
        EXPECT_EQ(workout.planFlag, 1u);
        EXPECT_EQ(workout.planNote, "Hills");
    }
}

TEST_F(SetupPage, APlanTheWorkoutCannotHoldIsRefusedAndNothingIsTaken) {
    CWorkOut workout = Planned(kEasyRun);
    workout.plannedDuration = 90;
    workout.plannedDistance = 20;
    const CWorkOut stored = workout;
    SetupPageValues page = Open(workout);
    page.note = "changed";
    for (const char* text : {"-1:30, 20km", "1:30, -20km", "1e999km", "abc", "1:30, km"}) {
        SCOPED_TRACE(text);
        page.plannedText = text;
        ASSERT_TRUE(page.Check().has_value());
        EXPECT_FALSE(page.Apply());
        EXPECT_FALSE(workout.IsDifferent(stored));
    }
    page.plannedText = "1:45, 21km";
    EXPECT_FALSE(page.Check().has_value());
    EXPECT_TRUE(page.Apply());
    EXPECT_DOUBLE_EQ(workout.plannedDuration, 105);
    EXPECT_EQ(workout.planNote, "changed");
}

}  // namespace
}  // namespace kadenzo
