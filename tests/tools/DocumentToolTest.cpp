#include <limits>
#include <nlohmann/json.hpp>

#include "AppContext.h"
#include "DocumentFile.h"
#include "KadenzoDoc.h"
#include "LibraryFile.h"
#include "ToolRunner.h"

namespace kadenzo {
namespace {

namespace fs = std::filesystem;
using test::AddItem;
using test::ReadText;

constexpr std::uint32_t kTemplate = 0xFFFFFFF0u;

// A library with a bit of everything: Windows-1252 names, a negative level,
// the largest ids and a track of no sport.
std::unique_ptr<CLibrary> SampleLibrary() {
    auto library = std::make_unique<CLibrary>();
    library->computerName = "B\xDCRO";
    AddItem(library->categories, 3, "Grundlage").colour = 0x00FF8000;
    AddItem(library->intensities, 4, "hart").level = -7;
    AddItem(library->sports, 1, "Laufen \x80").hasDistance = 1;
    CLibTrack& track = AddItem(library->tracks, 7, "Runde");
    track.distance = 0.1f;
    track.sportId = kNoId;
    AddItem(library->workoutTemplates, kTemplate, "Dauerlauf \x96 locker").sportId = 1;
    AddItem(library->eventKinds, 9, "Krank").colour = 0x8080FF;
    library->RecomputeIdCounters();
    return library;
}

class DocumentToolTest : public test::ToolTest {
protected:
    // A document written as the program saves it: workouts past and future.
    void WriteSample(const std::string& path) {
        auto log = std::make_unique<CDatabase>();
        log->name = "Saison \xE4\xF6\xFC";
        for (double date : {45000.75, 45001.25, 99999.5}) {
            auto w = std::make_unique<CWorkOut>();
            w->date = date;
            w->templateId = kTemplate;
            w->sportId = 1;
            w->duration = 61.0 / 3.0;
            w->marker1 = -7;
            log->AddWorkout(std::move(w));
        }
        CBodyInfo info({CalendarDateTime::kNull, 45000.5});
        info.weight = std::numeric_limits<double>::quiet_NaN();
        log->SetBodyInfo(info);
        auto event = std::make_unique<CEvent>();
        event->kind = 9;
        log->Events().push_back(std::move(event));
        AppContext context;
        CKadenzoDoc document(context);
        DocumentContents contents;
        contents.birthDate = 500000000;
        contents.library = SampleLibrary();
        contents.log = std::move(log);
        document.SetContents(std::move(contents));
        std::string error;
        ASSERT_TRUE(document.OnSaveDocument(path, &error)) << error;
    }
};

TEST_F(DocumentToolTest, DumpThenLoadWritesTheSameBytes) {
    WriteSample(Path("a.kdz"));
    ASSERT_EQ(Run("dump " + Path("a.kdz")), 0) << err_;
    EXPECT_EQ(err_, "");
    Write("a.json", out_);
    auto json = nlohmann::json::parse(out_);
    EXPECT_EQ(json["log"]["name"], "Saison \xC3\xA4\xC3\xB6\xC3\xBC");
    EXPECT_EQ(json["library"]["workoutTemplates"][0]["name"], "Dauerlauf \xE2\x80\x93 locker");
    EXPECT_TRUE(json["log"]["bodyInfos"][0]["weight"].is_null());
    EXPECT_EQ(json["log"]["workouts"][0]["marker1"], -7);
    EXPECT_EQ(json["log"]["workouts"][0]["duration"].get<double>(), 61.0 / 3.0);
    EXPECT_EQ(json["log"]["workouts"][0]["targetFixed"], 1);  // past: fixed when saved
    EXPECT_EQ(json["log"]["workouts"][2]["targetFixed"], 0);  // future

    ASSERT_EQ(Run("load " + Path("a.json") + " " + Path("b.kdz")), 0) << err_;
    EXPECT_EQ(ReadText(Path("b.kdz")), ReadText(Path("a.kdz")));
}

TEST_F(DocumentToolTest, InfoAndDumpReportRecordsTheFilesLibraryLacks) {
    WriteSample(Path("a.kdz"));
    ASSERT_EQ(Run("dump " + Path("a.kdz")), 0);
    auto json = nlohmann::json::parse(out_);
    json["log"]["workouts"][1]["templateId"] = 77;
    json["log"]["workouts"][2]["templateId"] = 78;
    json["log"]["events"][0]["kind"] = 3;
    json["log"]["events"].push_back(json["log"]["events"][0]);
    json["log"]["events"][1]["kind"] = -6;
    Write("broken.json", json.dump());
    ASSERT_EQ(Run("load " + Path("broken.json") + " " + Path("broken.kdz")), 0) << err_;

    ASSERT_EQ(Run("info " + Path("broken.kdz")), 0) << err_;
    EXPECT_EQ(out_, "workouts 1\nbodyInfos 1\nevents 1\ndropped 3\n");
    ASSERT_EQ(Run("dump " + Path("broken.kdz")), 0);
    EXPECT_EQ(err_, "dropped 2 workouts, 1 events\n");
    EXPECT_EQ(nlohmann::json::parse(out_)["log"]["workouts"].size(), 1u);
}

TEST_F(DocumentToolTest, FailuresExitNonZeroWithOneLineAndWriteNothing) {
    EXPECT_NE(Run("dump " + Path("missing.kdz")), 0);
    EXPECT_EQ(ErrorLines(), 1) << err_;

    WriteSample(Path("a.kdz"));
    std::string bytes = ReadText(Path("a.kdz"));
    Write("cut.kdz", bytes.substr(0, bytes.size() - 3));
    EXPECT_NE(Run("info " + Path("cut.kdz")), 0);
    EXPECT_EQ(ErrorLines(), 1) << err_;

    Write("bad.json", "{\"formatWord\": 0, \"birthDate\": \"x\"}");
    EXPECT_NE(Run("load " + Path("bad.json") + " " + Path("out.kdz")), 0);
    EXPECT_NE(err_.find("birthDate"), std::string::npos) << err_;
    Write("junk.json", "{ not json");
    EXPECT_NE(Run("load " + Path("junk.json") + " " + Path("out.kdz")), 0);
    EXPECT_FALSE(fs::exists(Path("out.kdz")));
}

// The demo in both languages: a season lived up to today and planned ahead,
// with a few recordings.
TEST_F(DocumentToolTest, DemoDiaryIsALivedInSeasonAndLoadsBackIdentically) {
    struct Case {
        const char* option;
        const char* firstSport;
        const char* logName;
    };
    for (const Case& c :
         {Case{"", "Running", "Demo season"}, Case{" --german", "Laufen", "Demo-Saison"}}) {
        SCOPED_TRACE(c.option);
        ASSERT_EQ(Run("demo " + Path("demo.kdz") + c.option), 0) << err_;
        ASSERT_EQ(Run("dump " + Path("demo.kdz")), 0) << err_;
        EXPECT_EQ(err_, "");
        const std::string dumped = out_;
        const auto json = nlohmann::json::parse(dumped);
        EXPECT_EQ(json["library"]["sports"][0]["name"], c.firstSport);
        EXPECT_EQ(json["log"]["name"], c.logName);
        EXPECT_FALSE(json["log"]["bodyInfos"].empty() || json["log"]["events"].empty());

        std::size_t done = 0, planned = 0, recorded = 0;
        for (const auto& w : json["log"]["workouts"]) {
            ++(w["duration"].get<double>() > 0 ? done : planned);
            recorded += !w["recordingPath"].get<std::string>().empty();
        }
        EXPECT_GT(planned, 10u);
        EXPECT_GT(done, 60u);
        EXPECT_GE(recorded, 3u);

        Write("demo.json", dumped);
        ASSERT_EQ(Run("load " + Path("demo.json") + " " + Path("again.kdz")), 0) << err_;
        EXPECT_EQ(ReadText(Path("again.kdz")), ReadText(Path("demo.kdz")));
    }
    EXPECT_NE(Run("demo"), 0);
    EXPECT_NE(Run("demo " + Path("a.kdz") + " --english"), 0);
    EXPECT_FALSE(fs::exists(Path("a.kdz")));
}

TEST_F(DocumentToolTest, LibraryDumpThenLoadWritesTheSameBytes) {
    SaveLibraryTo(*SampleLibrary(), Path("library.dat"));
    ASSERT_EQ(Run("library-dump '" + Path("library.dat") + "'"), 0) << err_;
    EXPECT_NE(out_.find("\"name\": \"Laufen \xE2\x82\xAC\""), std::string::npos);
    EXPECT_NE(out_.find("\"id\": 4294967280"), std::string::npos);
    EXPECT_NE(out_.find("\"level\": -7"), std::string::npos);
    EXPECT_NE(out_.find("\"sportId\": 4294967295"), std::string::npos);
    Write("library.json", out_);
    ASSERT_EQ(Run("library-load '" + Path("library.json") + "' '" + Path("copy.dat") + "'"), 0)
        << err_;
    EXPECT_EQ(ReadText(Path("copy.dat")), ReadText(Path("library.dat")));
}

TEST_F(DocumentToolTest, BadLibraryInputFailsWithOneLineAndNoOutputFile) {
    for (const char* json : {"{\"computerName\": ", "[]", "{\"computerName\": \"\"}",
                             "{\"computerName\": 5, \"categories\": []}"}) {
        Write("in.json", json);
        EXPECT_NE(Run("library-load '" + Path("in.json") + "' '" + Path("out.dat") + "'"), 0)
            << json;
        EXPECT_EQ(ErrorLines(), 1) << err_;
        EXPECT_FALSE(fs::exists(Path("out.dat")));
        EXPECT_FALSE(fs::exists(Path("out.dat.tmp")));
    }
    // A damaged library file is reported, not dumped.
    Write("damaged.dat", std::string("\xFF\xFF\x02\x00\x08\x00", 6));
    EXPECT_NE(Run("library-dump '" + Path("damaged.dat") + "'"), 0);
    EXPECT_EQ(out_, "");
    EXPECT_NE(Run("library-dump"), 0);
}

}  // namespace
}  // namespace kadenzo
