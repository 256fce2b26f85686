#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <nlohmann/json.hpp>

#include "AppContext.h"
#include "DocumentFile.h"
#include "KadenzoDoc.h"
#include "Library.h"

namespace kadenzo {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <class T>
T& Add(CLibItemList<T>& list, std::uint32_t id, const char* name) {
    auto item = std::make_unique<T>();
    item->id = id;
    item->name = name;
    return list.Add(std::move(item));
}

class DocumentToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("kadenzo-doctool-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        ResetApp();
    }
    void TearDown() override {
        ResetApp();
        fs::remove_all(dir_);
    }

    // Runs kadenzo-tool; stdout and stderr land in out_ and err_.
    int Run(const std::string& arguments) {
        std::string command = std::string("'") + KADENZO_TOOL + "' " + arguments + " >'" +
                              (dir_ / "out").string() + "' 2>'" + (dir_ / "err").string() + "'";
        int status = std::system(command.c_str());
        out_ = ReadText(dir_ / "out");
        err_ = ReadText(dir_ / "err");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Path(const char* name) const { return (dir_ / name).string(); }

    // A document with a bit of everything, written as the program saves it.
    void WriteSample(const std::string& path) {
        auto library = std::make_unique<CLibrary>();
        library->computerName = "B\xDCRO";
        Add(library->sports, 1, "Laufen").hasDistance = 1;
        Add(library->workoutTemplates, 5, "Dauerlauf \x96 locker").sportId = 1;
        Add(library->eventKinds, 9, "Krank").colour = 0x8080FF;
        library->RecomputeIdCounters();
        App().library = std::move(library);
        CKadenzoDoc document;
        document.birthDate = 500000000;
        document.maxHeartRate = 188;
        CDatabase& log = document.Log();
        log.name = "Saison \xE4\xF6\xFC";
        for (double date : {45000.75, 45001.25, 99999.5}) {
            auto w = std::make_unique<CWorkOut>();
            w->date = date;
            w->templateId = 5;
            w->sportId = 1;
            w->duration = 61.0 / 3.0;
            w->distance = 0.1;
            w->notes = "\x80 100";
            w->marker1 = -7;
            log.AddWorkout(std::move(w));
        }
        CBodyInfo info({CalendarDateTime::kNull, 45000.5});
        info.weight = std::numeric_limits<double>::quiet_NaN();
        info.value3 = -3;
        log.SetBodyInfo(info);
        auto event = std::make_unique<CEvent>();
        event->kind = 9;
        log.Events().push_back(std::move(event));
        std::string error;
        ASSERT_TRUE(document.OnSaveDocument(path, &error)) << error;
    }

    fs::path dir_;
    std::string out_;
    std::string err_;
};

TEST_F(DocumentToolTest, DumpThenLoadWritesTheSameBytes) {
    WriteSample(Path("a.kdz"));
    ASSERT_EQ(Run("dump " + Path("a.kdz")), 0) << err_;
    EXPECT_EQ(err_, "");
    std::ofstream(Path("a.json")) << out_;
    auto json = nlohmann::json::parse(out_);
    EXPECT_EQ(json["log"]["name"], "Saison \xC3\xA4\xC3\xB6\xC3\xBC");
    EXPECT_EQ(json["library"]["workoutTemplates"][0]["name"], "Dauerlauf \xE2\x80\x93 locker");
    EXPECT_TRUE(json["log"]["bodyInfos"][0]["weight"].is_null());
    EXPECT_EQ(json["log"]["bodyInfos"][0]["date"]["status"], 2);
    EXPECT_EQ(json["log"]["workouts"][0]["marker1"], -7);
    EXPECT_EQ(json["log"]["workouts"][0]["duration"].get<double>(), 61.0 / 3.0);
    EXPECT_EQ(json["log"]["workouts"][0]["targetFixed"], 1);  // past: fixed when saved
    EXPECT_EQ(json["log"]["workouts"][2]["targetFixed"], 0);  // future
    EXPECT_EQ(json["library"]["computerName"], "B\xC3\x9CRO");

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
    std::ofstream(Path("broken.json")) << json.dump();
    ASSERT_EQ(Run("load " + Path("broken.json") + " " + Path("broken.kdz")), 0) << err_;

    ASSERT_EQ(Run("info " + Path("broken.kdz")), 0) << err_;
    EXPECT_EQ(out_, "workouts 1\nbodyInfos 1\nevents 1\ndropped 3\n");
    ASSERT_EQ(Run("dump " + Path("broken.kdz")), 0);
    EXPECT_EQ(err_, "dropped 2 workouts, 1 events\n");
    EXPECT_EQ(nlohmann::json::parse(out_)["log"]["workouts"].size(), 1u);
}

TEST_F(DocumentToolTest, OldFormatFilesDumpWithFormatWordMinusOne) {
    // Profile, a raw library without items, a log named "Alt" with no workouts.
    std::string old(
        "\x10\x00\x00\x00"
        "\xB9\x00\x00\x00"
        "\xFF\xFF\xFF\xFF",
        12);
    old += std::string("\x00", 1) + std::string(12, '\0') +
           "\x03"
           "Alt" +
           std::string(4, '\0');
    std::ofstream(Path("old.kdz"), std::ios::binary) << old;
    ASSERT_EQ(Run("dump " + Path("old.kdz")), 0) << err_;
    auto json = nlohmann::json::parse(out_);
    EXPECT_EQ(json["formatWord"], -1);
    EXPECT_EQ(json["maxHeartRate"], 185);
    EXPECT_EQ(json["log"]["name"], "Alt");
    EXPECT_EQ(json["library"]["idCounters"]["sports"], 2);
}

TEST_F(DocumentToolTest, FailuresExitNonZeroWithOneLineAndWriteNothing) {
    EXPECT_NE(Run("dump " + Path("missing.kdz")), 0);
    EXPECT_EQ(std::count(err_.begin(), err_.end(), '\n'), 1) << err_;

    WriteSample(Path("a.kdz"));
    std::string bytes = ReadText(Path("a.kdz"));
    std::ofstream(Path("cut.kdz"), std::ios::binary) << bytes.substr(0, bytes.size() - 3);
    EXPECT_NE(Run("info " + Path("cut.kdz")), 0);
    EXPECT_EQ(std::count(err_.begin(), err_.end(), '\n'), 1) << err_;

    std::ofstream(Path("bad.json")) << "{\"formatWord\": 0, \"birthDate\": \"x\"}";
    EXPECT_NE(Run("load " + Path("bad.json") + " " + Path("out.kdz")), 0);
    EXPECT_NE(err_.find("birthDate"), std::string::npos) << err_;
    std::ofstream(Path("junk.json")) << "{ not json";
    EXPECT_NE(Run("load " + Path("junk.json") + " " + Path("out.kdz")), 0);
    EXPECT_FALSE(fs::exists(Path("out.kdz")));
    EXPECT_NE(Run("dump"), 0);
}

TEST_F(DocumentToolTest, DemoDiaryIsARealisticDocument) {
    ASSERT_EQ(Run("demo " + Path("demo.kdz")), 0) << err_;
    ASSERT_EQ(Run("dump " + Path("demo.kdz")), 0) << err_;
    EXPECT_EQ(err_, "");
    auto json = nlohmann::json::parse(out_);
    const auto& log = json["log"];
    EXPECT_GT(log["workouts"].size(), 60u);
    EXPECT_GT(log["bodyInfos"].size(), 8u);
    EXPECT_GE(log["events"].size(), 1u);
    EXPECT_GE(json["library"]["sports"].size(), 4u);
    std::size_t performed = 0;
    std::size_t planned = 0;
    for (const auto& w : log["workouts"]) (w["duration"].get<double>() > 0 ? performed : planned)++;
    EXPECT_GT(performed, 30u);
    EXPECT_GT(planned, 10u);
    std::ofstream(Path("demo.json")) << out_;
    ASSERT_EQ(Run("load " + Path("demo.json") + " " + Path("again.kdz")), 0) << err_;
    EXPECT_EQ(ReadText(Path("again.kdz")), ReadText(Path("demo.kdz")));
}

}  // namespace
}  // namespace kadenzo
