// A device folder read, planned and put into the diary: figures, copies,
// duplicates, broken files, undo and the day an activity belongs to.
#include <gtest/gtest.h>

#include <algorithm>

#include "DeviceFixture.h"
#include "DocumentEdits.h"
#include "DocumentFile.h"
#include "recording/RecordingFiles.h"

namespace kadenzo::test {
namespace {

namespace fs = std::filesystem;
using testing::ScopedTimeZone;

class DeviceImportTest : public DeviceFixture {
protected:
    std::vector<std::uint8_t> Saved() {
        MemoryStream stream;
        CArchive ar(stream, CArchive::Mode::Store);
        document->Store(ar);
        ar.Close();
        return stream.TakeBytes();
    }
    std::vector<std::string> Files(const ImportPlan& plan) const {
        std::vector<std::string> files;
        for (const PlanRow& row : plan.rows) files.push_back(row.activity.file);
        return files;
    }
    std::vector<std::string> Copies() const {
        std::vector<std::string> names;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(folder / "Training-recordings", error))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    ScopedTimeZone utc_{"UTC"};
};

TEST_F(DeviceImportTest, MatchedAndUnplannedActivitiesGoInAsOneStep) {
    Start([] {
        auto log = std::make_unique<CDatabase>();
        log->AddWorkout(Planned(kMonday + 7.0 / 24, kEasyRun, kRunning, 40));
        return log;
    }());
    Put("GARMIN/Activity/run.fit", FitFile({.seconds = 2400}));
    Put("GARMIN/Activity/mtb.fit",
        FitFile({.start = kMondayUtc + 86400 + 9 * 3600, .sport = 2, .subSport = 8, .serial = 2}));
    Put("GARMIN/Activity/wednesday.fit",
        FitFile({.start = kMondayUtc + 2 * 86400 + 18 * 3600, .seconds = 1800, .serial = 3}));
    const std::vector<std::uint8_t> before = Saved();

    const ImportPlan plan = Scan();
    ASSERT_EQ(Files(plan),
              (std::vector<std::string>{"GARMIN/Activity/run.fit", "GARMIN/Activity/mtb.fit",
                                        "GARMIN/Activity/wednesday.fit"}));
    EXPECT_EQ(plan.rows[0].outcome, ActivityOutcome::kFill);
    EXPECT_EQ(plan.rows[1].outcome, ActivityOutcome::kNew);
    EXPECT_EQ(plan.rows[1].activity.kind, "cycling/mountain");
    EXPECT_EQ(plan.rows[1].activity.sportId, kMountainBiking);
    EXPECT_EQ(Saved(), before);  // the scan changes nothing

    const ApplyResult result = Apply(plan);
    ASSERT_TRUE(result.changed);
    EXPECT_TRUE(result.failed.empty());
    EXPECT_EQ(result.firstDay, kMonday);
    EXPECT_EQ(document->UndoName(), edit::kStepImportFromDevice);
    ASSERT_EQ(document->Log().WorkoutCount(), 3u);

    // The plan stays; what was done comes from the whole recording.
    const CWorkOut& run = Nth(0);
    EXPECT_EQ(run.templateId, kEasyRun);
    EXPECT_EQ(run.plannedDuration, 40);
    EXPECT_EQ(run.date, kMonday + 7.0 / 24);
    EXPECT_EQ(run.duration, 40);
    EXPECT_DOUBLE_EQ(run.distance, 7.2);
    EXPECT_EQ(run.averagePulse, 140);  // 140.99: cut, not rounded
    EXPECT_EQ(run.maxPulse, 142);
    EXPECT_EQ(run.partDuration, run.duration);
    EXPECT_EQ(run.partDistance, run.distance);
    EXPECT_EQ(run.partAveragePulse, run.averagePulse);
    EXPECT_EQ(run.marker1, 0);
    EXPECT_EQ(run.marker2, 240);
    EXPECT_EQ(run.recordingPath, "Training-recordings/run.fit");

    // Unplanned: a new workout at the start, on the sport's first template,
    // or on one made for a sport that has none.
    const CWorkOut& ride = Nth(1);
    EXPECT_EQ(ride.date, kMonday + 1 + 9.0 / 24);
    EXPECT_EQ(ride.sportId, kMountainBiking);
    EXPECT_EQ(ride.duration, 60);
    const CLibWorkout* made = document->Library().FindWorkout(ride.templateId);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->name, "Mountain biking");
    EXPECT_EQ(made->sportId, kMountainBiking);
    EXPECT_EQ(made->categoryId, kEndurance);
    EXPECT_EQ(made->pulseLow, 0u);
    EXPECT_EQ(made->pulseHigh, 0u);
    EXPECT_EQ(Nth(2).templateId, kEasyRun);
    EXPECT_EQ(Nth(2).date, kMonday + 2 + 18.0 / 24);
    EXPECT_EQ(Copies(), (std::vector<std::string>{"mtb.fit", "run.fit", "wednesday.fit"}));

    const std::uint32_t madeId = ride.templateId;
    document->Undo();
    EXPECT_EQ(Saved(), before);
    EXPECT_EQ(document->Library().FindWorkout(madeId), nullptr);
    // Redo reads the library anew, its sports then ordered by use.
    document->Redo();
    ASSERT_EQ(document->Log().WorkoutCount(), 3u);
    EXPECT_EQ(Nth(1).templateId, madeId);
    EXPECT_NE(document->Library().FindWorkout(madeId), nullptr);
    EXPECT_EQ(Nth(0).recordingPath, "Training-recordings/run.fit");
}

TEST_F(DeviceImportTest, ImportedFilesAreDuplicatesUntilTheImportIsUndone) {
    Start(std::make_unique<CDatabase>());
    Put("run.fit", FitFile({}));
    Put("Polar/ride.fit", FitFile({.start = kMondayUtc + 86400, .sport = 2, .serial = 5}));
    ASSERT_TRUE(Apply(Scan()).changed);
    EXPECT_EQ(CountNewActivities(device, document->Log(), diary), 0u);

    ImportPlan again = Scan();
    EXPECT_TRUE(again.rows.empty());
    EXPECT_EQ(again.duplicates, (std::vector<std::string>{"Polar/ride.fit", "run.fit"}));
    EXPECT_FALSE(Apply(again).changed);

    // The copies stay, but no workout refers to them any more.
    document->Undo();
    EXPECT_EQ(CountNewActivities(device, document->Log(), diary), 2u);
    again = Scan();
    EXPECT_EQ(again.rows.size(), 2u);
    EXPECT_TRUE(again.duplicates.empty());
    ASSERT_TRUE(Apply(again).changed);
    EXPECT_EQ(Nth(0).recordingPath, "Training-recordings/run.fit");
    EXPECT_EQ(Nth(1).recordingPath, "Training-recordings/ride.fit");
    EXPECT_EQ(Copies(), (std::vector<std::string>{"ride.fit", "run.fit"}));
}

TEST_F(DeviceImportTest, BrokenFilesAreListedAndNeverStopTheOthers) {
    Start(std::make_unique<CDatabase>());
    std::string damaged = FitFile({.serial = 7});
    damaged[damaged.size() / 2] ^= 0x55;
    const std::string whole = FitFile({.serial = 8});
    Put("a-damaged.fit", damaged);
    Put("b-cut.fit", whole.substr(0, whole.size() - 100));
    Put("c-course.fit", FitFile({.serial = 9, .fileType = 6}));
    Put("d-empty.gpx", "<gpx><trk><trkseg></trkseg></trk></gpx>");
    Put("e-other.tcx", "<gpx/>");
    Put("f-good.fit", FitFile({.start = kMondayUtc + 86400, .serial = 10}));
    Put("notes.txt", "not looked at");

    const ImportPlan plan = Scan();
    EXPECT_EQ(Files(plan), (std::vector<std::string>{"b-cut.fit", "f-good.fit"}));
    EXPECT_EQ(plan.rows[0].activity.note, "is cut short: it ends after " +
                                              std::to_string(whole.size() - 100) + " of " +
                                              std::to_string(whole.size()) + " bytes");
    EXPECT_EQ(plan.rows[1].activity.note, "");
    ASSERT_EQ(plan.failed.size(), 3u);
    EXPECT_EQ(plan.failed[0].file, "a-damaged.fit");
    EXPECT_EQ(plan.failed[0].reason, "is damaged: its checksum does not match");
    EXPECT_EQ(plan.failed[1].file, "d-empty.gpx");
    EXPECT_EQ(plan.failed[1].reason, "holds no track points");
    EXPECT_EQ(plan.failed[2].reason, "is not a TCX file: its root element is <gpx>");
    // The window words each reason in the user's language by its kind.
    EXPECT_EQ(plan.failed[0].why, FailedWhy::kDamaged);
    EXPECT_EQ(plan.failed[1].why, FailedWhy::kNoSamples);
    EXPECT_EQ(plan.failed[2].why, FailedWhy::kNotRecognised);
    EXPECT_EQ(CountNewActivities(device, document->Log(), diary), 5u);  // no course

    EXPECT_EQ(Apply(plan).imported.size(), 2u);
    EXPECT_LT(Nth(0).duration, 60);
}

TEST_F(DeviceImportTest, OneActivityUnderTwoNamesIsTakenOnce) {
    Start(std::make_unique<CDatabase>());
    const std::string run = FitFile({});
    Put("GARMIN/Activity/run.fit", run);
    Put("backup/copy-of-run.fit", run);
    // The same activity written again (another record), with its file id.
    Put("GARMIN/Activity/run-again.fit", FitFile({.heartRate = 150}));
    // No serial number: only equal bytes tell, however alike the times.
    const std::string bare = FitFile({.start = kMondayUtc + 86400, .serial = 0});
    Put("older/bare.fit", bare);
    Put("older/bare-copy.fit", bare);
    Put("older/bare-rewritten.fit",
        FitFile({.start = kMondayUtc + 86400, .serial = 0, .heartRate = 150}));

    const ImportPlan plan = Scan();
    EXPECT_EQ(Files(plan),
              (std::vector<std::string>{"GARMIN/Activity/run-again.fit", "older/bare-copy.fit",
                                        "older/bare-rewritten.fit"}));
    EXPECT_EQ(plan.duplicates,
              (std::vector<std::string>{"GARMIN/Activity/run.fit", "backup/copy-of-run.fit",
                                        "older/bare.fit"}));
    EXPECT_EQ(CountNewActivities(device, document->Log(), diary), 3u);
}

TEST_F(DeviceImportTest, TheDayIsTheActivitysOwn) {
    Start(std::make_unique<CDatabase>());
    const std::int64_t lateMonday = kMondayUtc + 22 * 3600 + 1800;  // 22:30 UTC
    Put("east.fit", FitFile({.start = lateMonday, .serial = 1, .localOffset = 2 * 3600}));
    Put("west.fit", FitFile({.start = lateMonday, .serial = 2, .localOffset = -5 * 3600}));
    Put("here.fit", FitFile({.start = lateMonday, .serial = 3}));
    Put("ride.tcx",
        "<TrainingCenterDatabase><Activities><Activity Sport=\"Biking\"><Lap><Track>"
        "<Trackpoint><Time>2024-03-04T22:30:00Z</Time></Trackpoint>"
        "<Trackpoint><Time>2024-03-04T23:30:00Z</Time></Trackpoint>"
        "</Track></Lap></Activity></Activities></TrainingCenterDatabase>");
    ScopedTimeZone tokyo("JST-9");
    const ImportPlan plan = Scan();
    ASSERT_EQ(plan.rows.size(), 4u);
    std::map<std::string, double> starts;
    for (const PlanRow& row : plan.rows) starts[row.activity.file] = row.activity.start;
    EXPECT_DOUBLE_EQ(starts["east.fit"], kMonday + 1 + 0.5 / 24);
    EXPECT_DOUBLE_EQ(starts["west.fit"], kMonday + 17.5 / 24);
    // Without a local time in the file: the computer's.
    EXPECT_DOUBLE_EQ(starts["here.fit"], kMonday + 1 + 7.5 / 24);
    EXPECT_DOUBLE_EQ(starts["ride.tcx"], kMonday + 1 + 7.5 / 24);
}

TEST_F(DeviceImportTest, CopiesKeepTheirNamesAndNumberOthers) {
    Start(std::make_unique<CDatabase>());
    const std::string run = FitFile({});
    const std::string other = FitFile({.serial = 2});
    Put("a/run.fit", run);
    Put("b/run.fit", other);
    Put("c/run.fit", FitFile({.serial = 3}));
    fs::create_directories(folder / "Training-recordings");
    std::ofstream(folder / "Training-recordings/run.fit", std::ios::binary) << other;

    // A dry run changes the diary alike but copies nothing.
    const ImportPlan plan = Scan();
    ASSERT_EQ(plan.rows.size(), 3u);
    const ApplyResult dry = Apply(plan, true);
    EXPECT_EQ(Copies(), (std::vector<std::string>{"run.fit"}));
    document->Undo();
    const ApplyResult real = Apply(plan);
    ASSERT_EQ(real.imported.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(dry.imported[i].recordingPath, real.imported[i].recordingPath);
        EXPECT_EQ(Workout(real.imported[i].workout).recordingPath, real.imported[i].recordingPath);
    }
    // b's bytes are there already; a and c are others of that name.
    EXPECT_EQ(real.imported[0].recordingPath, "Training-recordings/run-2.fit");
    EXPECT_EQ(real.imported[1].recordingPath, "Training-recordings/run.fit");
    EXPECT_EQ(real.imported[2].recordingPath, "Training-recordings/run-3.fit");
    EXPECT_EQ(Copies(), (std::vector<std::string>{"run-2.fit", "run-3.fit", "run.fit"}));
}

TEST_F(DeviceImportTest, AFileGoneOrChangedBeforeTheImportIsReportedTheRestImported) {
    Start([] {
        auto log = std::make_unique<CDatabase>();
        log->AddWorkout(Planned(kMonday + 0.3, kEasyRun, kRunning, 60));
        return log;
    }());
    Put("1.fit", FitFile({.serial = 1}));
    Put("2.fit", FitFile({.start = kMondayUtc + 86400, .serial = 2}));
    Put("3.fit", FitFile({.start = kMondayUtc + 2 * 86400, .serial = 3}));
    Put("4.fit", FitFile({.start = kMondayUtc + 3 * 86400, .serial = 4}));
    const ImportPlan plan = Scan();
    ASSERT_EQ(plan.rows.size(), 4u);
    ASSERT_EQ(plan.rows[0].outcome, ActivityOutcome::kFill);
    // The planned workout is deleted meanwhile, the watch loses one file and
    // rewrites another.
    edit::RemoveWorkout(*document, document->Log().BeginWorkouts());
    fs::remove(folder / "watch/2.fit");
    Put("3.fit", FitFile({.start = kMondayUtc + 2 * 86400, .serial = 3, .heartRate = 99}));

    const ApplyResult result = Apply(plan);
    ASSERT_EQ(result.failed.size(), 3u);
    EXPECT_EQ(result.failed[0].file, "1.fit");
    EXPECT_EQ(result.failed[0].reason, "was to fill a workout that is no longer in the diary");
    EXPECT_EQ(result.failed[1].reason, "cannot be read: there is no such file");
    EXPECT_EQ(result.failed[2].reason, "has changed since it was read");
    EXPECT_EQ(result.failed[0].why, FailedWhy::kWorkoutGone);
    EXPECT_EQ(result.failed[1].why, FailedWhy::kCannotOpen);
    EXPECT_EQ(result.failed[2].why, FailedWhy::kChanged);
    ASSERT_EQ(result.imported.size(), 1u);
    EXPECT_EQ(plan.rows[result.imported[0].row].activity.file, "4.fit");
    EXPECT_EQ(document->Log().WorkoutCount(), 1u);
    EXPECT_EQ(Copies(), (std::vector<std::string>{"4.fit"}));
}

TEST_F(DeviceImportTest, ImperialFiguresAreCutInMiles) {
    Start(std::make_unique<CDatabase>());
    Put("run.fit", FitFile({.metresPerSecond = 10000.0 / 3600}));  // 10 km in an hour
    ASSERT_TRUE(Apply(Scan()).changed);
    EXPECT_DOUBLE_EQ(Nth(0).distance, 10);
    document->Undo();
    settings.units.distance = 1;
    ASSERT_TRUE(Apply(Scan()).changed);
    EXPECT_DOUBLE_EQ(Nth(0).distance, FromDisplay(6.21, kUnitDistance, settings.units));
}

TEST(TakeActivityTest, WhatWasTypedInStaysWhereTheRecordingHasNothing) {
    CWorkOut typed;
    typed.duration = 58;
    typed.distance = 9.504;  // shown as 9.50
    typed.averagePulse = 150;
    typed.maxPulse = 171;
    typed.plannedDuration = 60;
    DeviceActivity activity;
    activity.figures.marker1 = 0;
    activity.figures.marker2 = 359;
    activity.figures.whole = {9.5f, 3600, 0, 0};  // no heart rate recorded
    activity.figures.part = activity.figures.whole;

    CWorkOut taken = typed;
    TakeActivity(taken, activity, "Training-recordings/run.hrm", {});
    EXPECT_EQ(taken.distance, 9.504);
    EXPECT_EQ(taken.partDistance, 9.5);
    EXPECT_EQ(taken.duration, 60);
    EXPECT_EQ(taken.averagePulse, 150);
    EXPECT_EQ(taken.maxPulse, 171);
    EXPECT_EQ(taken.plannedDuration, 60);
    EXPECT_EQ(taken.marker2, 359);
    EXPECT_EQ(taken.recordingPath, "Training-recordings/run.hrm");

    activity.figures.whole = {9.75f, 3600, 151.6f, 180};
    taken = typed;
    TakeActivity(taken, activity, "x.hrm", {});
    EXPECT_EQ(taken.distance, 9.75);
    EXPECT_EQ(taken.averagePulse, 151);
    EXPECT_EQ(taken.maxPulse, 180);
}

TEST_F(DeviceImportTest, ADiaryNeverSavedHasNoFolderForRecordings) {
    Start(std::make_unique<CDatabase>());
    Put("run.fit", FitFile({}));
    const ImportPlan plan = Scan();
    EXPECT_THROW(ApplyImport(*document, plan, "", {}), std::runtime_error);
    EXPECT_FALSE(document->IsModified());
}

// The device files of real watches, read in place.
TEST_F(DeviceImportTest, RealWatchFiles) {
    const std::string real = std::string(KADENZO_REAL_RECORDINGS) + "/fit";
    if (!fs::is_directory(real)) GTEST_SKIP() << "no real device files at " << real;
    Start(std::make_unique<CDatabase>());
    const ImportPlan plan = ScanDevice(real, document->Log(), document->Library(), diary, settings);
    EXPECT_TRUE(plan.failed.empty());
    // The file cut short is the same activity as Activity.fit.
    EXPECT_EQ(plan.duplicates, (std::vector<std::string>{"activity-unexpected-eof.fit"}));
    ASSERT_EQ(plan.rows.size(), 7u);
    std::map<std::string, std::pair<std::string, std::uint32_t>> kinds;
    for (const PlanRow& row : plan.rows) {
        EXPECT_EQ(row.outcome, ActivityOutcome::kNew);
        kinds[row.activity.file] = {row.activity.kind, row.activity.sportId};
    }
    EXPECT_EQ(kinds["garmin-edge-820-bike.fit"],
              std::pair(std::string("cycling/commuting"), kCycling));
    EXPECT_EQ(kinds["garmin-fenix-5-run.fit"], std::pair(std::string("running"), kRunning));
    // Its local time: 09:10 on the watch, 16:10 UTC.
    EXPECT_EQ(plan.rows.back().activity.file, "garmin-edge-820-bike.fit");
    EXPECT_NEAR(plan.rows.back().activity.start, 42898 + (9 + 10.25 / 60) / 24, 1e-6);

    const ApplyResult result = Apply(plan, true);
    EXPECT_EQ(result.imported.size(), 7u);
    EXPECT_FALSE(fs::exists(folder / "Training-recordings"));
}

}  // namespace
}  // namespace kadenzo::test
