#include <gtest/gtest.h>

#include "EditorFixture.h"
#include "PerformancePageValues.h"
#include "WorkOut.h"

namespace kadenzo {
namespace {

using namespace editortest;
constexpr auto kWhole = PerformancePageValues::kWhole;
constexpr auto kPart = PerformancePageValues::kPart;

class PerformancePage : public testing::Test {
protected:
    PerformancePageValues Open(CWorkOut& workout, const UnitSettings& units = kMetric) {
        return PerformancePageValues(workout,
                                     {*library, units, texts, [](const CWorkOut&) { return 180; }});
    }
    static CWorkOut Done(std::uint32_t sportId) {
        CWorkOut workout;
        workout.sportId = sportId;
        workout.distance = 10.456;
        workout.duration = 50.25;
        workout.partDistance = 4.9;
        workout.trackId = kParkLoop;
        workout.intensityId = kHard;
        workout.subSportId = kTrail;
        return workout;
    }

    std::unique_ptr<CLibrary> library = SmallLibrary();
    UnitTexts texts;
    CWorkOut workout = Done(kRunning);
};

TEST_F(PerformancePage, OkWithoutEditsLeavesTheWorkoutAsStored) {
    for (const UnitSettings& units : {kMetric, kImperial}) {
        CWorkOut stored = Done(kRunning);
        stored.distance = 10;  // 6.21 mi, which reads back as 10.000000000000002 km
        workout = stored;
        PerformancePageValues page = Open(workout, units);
        EXPECT_EQ(page.Of(kWhole).distanceText, units.distance ? "6.21" : "10");
        EXPECT_EQ(page.Of(kWhole).durationText, "0:50:15");
        page.Apply();
        EXPECT_FALSE(workout.IsDifferent(stored));
    }
    // Typed values are converted.
    workout = Done(kRunning);
    PerformancePageValues page = Open(workout, kImperial);
    EXPECT_EQ(page.Of(kWhole).distanceText, "6.49");
    page.Of(kWhole).distanceText = "6,2";
    page.SetDurationText(kWhole, "1:02:30");
    page.Apply();
    EXPECT_DOUBLE_EQ(workout.distance, 6.2 * 1.6103059581320451);
    EXPECT_DOUBLE_EQ(workout.duration, 62.5);
    EXPECT_DOUBLE_EQ(workout.partDistance, 4.9);
}

TEST_F(PerformancePage, FiguresTheWorkoutCannotHoldAreRefusedAndNothingIsTaken) {
    using P = PerformancePageValues;
    struct Case {
        P::Set set;
        P::Field field;
        const char* text;
    };
    const Case cases[] = {
        {kWhole, P::kAverage, "300"},    {kWhole, P::kMaximum, "1500"},
        {kPart, P::kAverage, "256"},     {kPart, P::kMaximum, "141.5"},
        {kWhole, P::kDistance, "-5"},    {kPart, P::kDistance, "1e10"},
        {kWhole, P::kDistance, "1e999"}, {kWhole, P::kDuration, "-1:30:00"},
        {kPart, P::kDuration, "-45"},    {kWhole, P::kDuration, "1e999"},
    };
    workout.averagePulse = 150;
    workout.partMaxPulse = 170;
    const CWorkOut stored = workout;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        PerformancePageValues page = Open(workout);
        page.comment = "changed";
        P::Figures& figures = page.Of(c.set);
        std::string* texts[] = {&figures.distanceText, nullptr, &figures.averageText,
                                &figures.maximumText};
        if (c.field == P::kDuration)
            page.SetDurationText(c.set, c.text);
        else
            *texts[c.field] = c.text;
        const std::optional<P::Refusal> refusal = page.Check();
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->set, c.set);
        EXPECT_EQ(refusal->field, c.field);
        EXPECT_FALSE(page.Apply());
        EXPECT_FALSE(workout.IsDifferent(stored));
    }
}

TEST_F(PerformancePage, EachFigureGoesToItsOwnFieldAndTheImportStartsFromThem) {
    workout.recordingPath = "Fahrt \xE4.hrm";
    workout.marker1 = 3;
    workout.marker2 = 9;
    PerformancePageValues page = Open(workout);
    const ImportRequest request = page.ImportRequestFor();
    EXPECT_EQ(request.path, "Fahrt \xC3\xA4.hrm");
    EXPECT_EQ(request.marker1, 3);
    EXPECT_EQ(request.marker2, 9);
    EXPECT_EQ(request.maxHeartRate, 180);
    EXPECT_EQ(page.Of(kWhole).averageText, "0");
    page.Of(kWhole).averageText = "255";
    page.Of(kWhole).maximumText = "";  // an emptied field is 0
    page.Of(kPart).averageText = " 141";
    page.Of(kPart).maximumText = "142";
    page.Of(kPart).distanceText = "0";
    page.SetDurationText(kPart, "0:12:30");
    page.comment = "Windy";
    page.recordingPath = "b.hrm";
    page.marker1 = 4;
    page.marker2 = 8;
    page.maxTest = true;
    ASSERT_TRUE(page.Apply());
    EXPECT_EQ(workout.averagePulse, 255);
    EXPECT_EQ(workout.maxPulse, 0);
    EXPECT_EQ(workout.partAveragePulse, 141);
    EXPECT_EQ(workout.partMaxPulse, 142);
    EXPECT_EQ(workout.partDistance, 0.0);
    EXPECT_EQ(workout.partDuration, 12.5);
    EXPECT_EQ(workout.notes, "Windy");
    EXPECT_EQ(workout.recordingPath, "b.hrm");
    EXPECT_EQ(workout.marker1, 4);
    EXPECT_EQ(workout.marker2, 8);
    EXPECT_EQ(workout.maxPulseTest, 1u);
}

TEST_F(PerformancePage, AnImportKeepsTheHeartRatesItLeavesAlone) {
    PerformancePageValues page = Open(workout);
    page.Of(kWhole).averageText = "300";
    PerformanceFigures taken = page.PageFigures();
    EXPECT_EQ(taken.wholeAverage, 255);  // weighed against the recording as the most it holds
    taken.wholeMax = 180;
    page.TakeFigures(taken);
    EXPECT_EQ(page.Of(kWhole).averageText, "300");  // still refused at OK
    EXPECT_EQ(page.Of(kWhole).maximumText, "180");
    EXPECT_TRUE(page.Check().has_value());
}

TEST_F(PerformancePage, SpeedAndPaceReadOut) {
    PerformancePageValues page = Open(workout);
    page.Of(kWhole).distanceText = "12,5";
    page.SetDurationText(kWhole, "50");
    EXPECT_EQ(page.Readout(kWhole), "15.0km/h, 4.0min/km");
    page.SetDurationText(kWhole, "0:00");
    EXPECT_EQ(page.Readout(kWhole), "");
    PerformancePageValues miles = Open(workout, kImperial);
    miles.SetDurationText(kPart, "1:00");
    miles.Of(kPart).distanceText = "7.5";
    EXPECT_EQ(miles.Readout(kPart), "7.5mph, 8.0min/mi");

    // Without distance, distances hide and the read-outs are left alone.
    CWorkOut gym = Done(kStrength);
    const PerformancePageValues gymPage = Open(gym);
    EXPECT_EQ(gymPage.Readout(kWhole), std::nullopt);
    EXPECT_FALSE(gymPage.DistanceShown(kWhole));
}

TEST_F(PerformancePage, TrackFillsOnlyEmptyDistances) {
    workout.distance = 0;
    workout.trackId = 0;
    PerformancePageValues page = Open(workout, kImperial);
    ASSERT_EQ(page.Tracks().size(), 2u);  // none and the park loop; the hill route is cycling's
    page.ChooseTrack(1);
    EXPECT_EQ(page.Of(kWhole).distanceText, "3.22");  // the 4-byte 5.2 km in miles
    EXPECT_EQ(page.Of(kPart).distanceText, "3.04");   // filled before: kept
}

TEST_F(PerformancePage, ListsFollowTheSportAndKeepWhatWasChosen) {
    PerformancePageValues page = Open(workout);
    EXPECT_EQ(page.SubSports().size(), 3u);
    EXPECT_EQ(page.SubSports()[static_cast<std::size_t>(page.SubSportIndex())].id, kTrail);
    page.SelectSubSport(1);  // road
    page.RefreshLists();     // back on the page: still road
    EXPECT_EQ(page.SubSports()[static_cast<std::size_t>(page.SubSportIndex())].id, kRoad);

    // Made a ride on the set-up page: the run's entries no longer apply.
    workout.sportId = kCycling;
    page.RefreshLists();
    EXPECT_EQ(page.SubSportIndex(), -1);
    EXPECT_EQ(page.TrackIndex(), 0);
    page.Apply();
    EXPECT_EQ(workout.subSportId, kTrail);  // nothing chosen: left as it was
    EXPECT_EQ(workout.trackId, 0u);
    EXPECT_EQ(workout.intensityId, kHard);

    workout.sportId = 77;  // not in the library
    page.RefreshLists();
    EXPECT_FALSE(page.SubSportEnabled());
    EXPECT_TRUE(page.HasDistance());
}

}  // namespace
}  // namespace kadenzo
