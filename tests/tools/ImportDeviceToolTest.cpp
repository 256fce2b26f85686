#include <cstdlib>
#include <nlohmann/json.hpp>

#include "AppContext.h"
#include "DocumentFile.h"
#include "KadenzoDoc.h"
#include "ToolRunner.h"
#include "device/DeviceSamples.h"

namespace kadenzo {
namespace {

namespace fs = std::filesystem;
using namespace test;
using Json = nlohmann::json;

class ImportDeviceToolTest : public test::ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        // The program's folders: its backups and its settings.
        setenv("XDG_DATA_HOME", Path("data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", Path("config").c_str(), 1);
        setenv("TZ", "UTC", 1);
        diary = Path("Training.kdz");
        // Without the other sport: the import adds it when it needs it.
        auto library = DeviceLibrary();
        library->sports.RemoveAt(library->sports.size() - 1);
        auto log = std::make_unique<CDatabase>();
        log->AddWorkout(Planned(kMonday + 7.0 / 24, kEasyRun, kRunning, 50));
        log->AddWorkout(Planned(kMonday + 17.0 / 24, kTempoRun, kRunning, 60));
        log->AddWorkout(Planned(kMonday + 1 + 7.0 / 24, kEasyRun, kRunning, 40));
        AppContext context;
        CKadenzoDoc document(context);
        DocumentContents contents;
        contents.birthDate = 500000000;
        contents.library = std::move(library);
        contents.log = std::move(log);
        document.SetContents(std::move(contents));
        std::string error;
        ASSERT_TRUE(document.OnSaveDocument(diary, &error)) << error;

        const std::pair<const char*, std::string> files[] = {
            {"monday.fit", FitFile({.start = kMondayUtc + 8 * 3600, .seconds = 3300})},
            {"tuesday.fit",
             FitFile({.start = kMondayUtc + 86400 + 7 * 3600, .seconds = 2460, .serial = 2})},
            {"wednesday.fit", FitFile({.start = kMondayUtc + 2 * 86400, .sport = 2, .serial = 3})},
            {"thursday.fit", FitFile({.start = kMondayUtc + 3 * 86400, .sport = 5, .serial = 4})},
            {"broken.fit", "not a FIT file"},
        };
        fs::create_directories(dir_ / "watch/GARMIN/Activity");
        for (const auto& [name, bytes] : files)
            std::ofstream(dir_ / "watch/GARMIN/Activity" / name, std::ios::binary) << bytes;
    }
    void TearDown() override {
        unsetenv("XDG_DATA_HOME");
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("TZ");
        ToolTest::TearDown();
    }
    std::size_t Backups() const {
        std::size_t count = 0;
        for (const auto& entry : fs::recursive_directory_iterator(dir_ / "data"))
            count += entry.path().extension() == ".kdz";
        return count;
    }

    std::string diary;
};

TEST_F(ImportDeviceToolTest, PutsTheWatchOnThePlanAndSaysWhatBecameOfEachFile) {
    const std::string command =
        "import-device " + Path("watch") + " " + diary + " --sport CYCLING=1 --sport swimming=77";
    const std::string stored = test::ReadText(diary);
    ASSERT_EQ(Run(command + " --dry-run"), 0) << err_;
    const std::string dryRun = out_;
    EXPECT_EQ(test::ReadText(diary), stored);
    EXPECT_FALSE(fs::exists(dir_ / "Training-recordings"));
    EXPECT_FALSE(fs::exists(dir_ / "data"));

    ASSERT_EQ(Run(command), 0) << err_;
    EXPECT_EQ(err_, "");
    EXPECT_EQ(out_, dryRun);
    const Json report = Json::parse(out_);
    const Json expected = Json::parse(R"({
      "imported": [
        {"file": "GARMIN/Activity/tuesday.fit", "day": "2024-03-05", "status": "matched",
         "workout": 2, "note": ""},
        {"file": "GARMIN/Activity/wednesday.fit", "day": "2024-03-06", "status": "unplanned",
         "workout": 3, "note": ""},
        {"file": "GARMIN/Activity/thursday.fit", "day": "2024-03-07", "status": "unplanned",
         "workout": 4, "note": ""}],
      "duplicates": [],
      "ambiguous": [{"file": "GARMIN/Activity/monday.fit", "day": "2024-03-04",
                     "candidates": [0, 1]}],
      "failed": [{"file": "GARMIN/Activity/broken.fit",
                  "reason": "is not a FIT file: it does not begin with a FIT file header"}]})");
    EXPECT_EQ(report, expected);
    EXPECT_EQ(Backups(), 1u);

    ASSERT_EQ(Run("dump " + diary), 0) << err_;
    const Json dump = Json::parse(out_);
    const Json& workouts = dump["log"]["workouts"];
    ASSERT_EQ(workouts.size(), 5u);
    EXPECT_EQ(workouts[2]["recordingPath"], "Training-recordings/tuesday.fit");
    EXPECT_EQ(workouts[2]["duration"], 41);
    EXPECT_EQ(workouts[2]["averagePulse"], 140);
    EXPECT_EQ(workouts[2]["plannedDuration"], 40);
    EXPECT_EQ(workouts[3]["sportId"], kRunning);  // cycling as the command line wants it
    EXPECT_EQ(workouts[3]["templateId"], kEasyRun);
    // Swimming goes to a sport the library lacks: the other sport, which
    // comes with a template.
    EXPECT_EQ(workouts[4]["sportId"], kOther);
    const Json& library = dump["library"];
    EXPECT_EQ(library["sports"].back()["name"], "General training");
    EXPECT_EQ(library["workoutTemplates"].back()["name"], "General training");
    EXPECT_EQ(library["workoutTemplates"].back()["id"], workouts[4]["templateId"]);
    EXPECT_TRUE(fs::exists(dir_ / "Training-recordings/thursday.fit"));

    // Again: what came is known, the rest is as before; nothing is written.
    const std::string imported = test::ReadText(diary);
    ASSERT_EQ(Run(command), 0) << err_;
    const Json again = Json::parse(out_);
    EXPECT_EQ(again["imported"], Json::array());
    EXPECT_EQ(again["duplicates"].size(), 3u);
    EXPECT_EQ(again["ambiguous"], expected["ambiguous"]);
    EXPECT_EQ(again["failed"], expected["failed"]);
    EXPECT_EQ(test::ReadText(diary), imported);
    EXPECT_EQ(Backups(), 1u);
}

TEST_F(ImportDeviceToolTest, KeepsTheProgramsNumberOfBackups) {
    fs::create_directories(dir_ / "config/Varnel Software");
    Write("config/Varnel Software/kadenzo.conf", "[General]\nKeep=5\n[Backups]\nKeep=0\n");
    ASSERT_EQ(Run("import-device " + Path("watch") + " " + diary), 0) << err_;
    EXPECT_FALSE(fs::exists(dir_ / "data"));  // backups turned off
}

TEST_F(ImportDeviceToolTest, FailuresExitWithOneLine) {
    const struct {
        std::string arguments;
        int code;
    } cases[] = {
        {"import-device " + Path("nowhere") + " " + Path("Training.kdz"), 1},
        {"import-device " + Path("watch") + " " + Path("none.kdz"), 1},
        {"import-device " + Path("watch") + " " + Path("watch/GARMIN/Activity/monday.fit"), 1},
        {"import-device " + Path("watch") + " " + Path("Training.kdz") + " --sport running", 2},
        {"import-device " + Path("watch"), 2},
        {"import-device " + Path("watch") + " " + Path("Training.kdz") + " --fast", 2},
    };
    const std::string stored = test::ReadText(diary);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        EXPECT_EQ(Run(c.arguments), c.code);
        EXPECT_EQ(ErrorLines(), 1) << err_;
        EXPECT_EQ(out_, "");
    }
    EXPECT_EQ(test::ReadText(diary), stored);
    EXPECT_FALSE(fs::exists(dir_ / "Training-recordings"));
}

}  // namespace
}  // namespace kadenzo
