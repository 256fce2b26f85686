// kadenzo-tool analysis as scripts run it: the chart's figures as JSON and
// CSV, the options, and one clear line for every mistake.
#include <nlohmann/json.hpp>

#include "AnalysisFixture.h"
#include "AtomicFile.h"
#include "DocumentFile.h"
#include "ToolRunner.h"

namespace kadenzo::test {
namespace {

class AnalysisToolTest : public ToolTest {
protected:
    void Save() {
        WriteFileAtomically(Path("log.kdz"), [this](CArchive& ar) {
            WriteDocument(ar, 0, 0, -1, world.library, world.log);
        });
    }
    nlohmann::json RunJson(const std::string& options) {
        EXPECT_EQ(Run("analysis " + Path("log.kdz") + " " + options), 0) << err_;
        return nlohmann::json::parse(out_);
    }

    AnalysisWorld world;
};

TEST_F(AnalysisToolTest, JsonInTheOrderTheChartDraws) {
    world.Add(Day(2024, 3, 4), 7, kEasyRun, 45, 9);
    world.Add(Day(2024, 3, 12), 18, kIntervals, 60, 12);
    world.Add(Day(2024, 3, 13), 9, kLongRide, 150, 60);
    Save();
    const auto json = RunJson(
        "--range 2-weeks --at 2024-03-13 --chart sport --layer category --quantity distance");
    const auto& periods = json["periods"];
    ASSERT_EQ(periods.size(), 2u);
    EXPECT_EQ(periods[0]["label"], "W10/24");
    EXPECT_EQ(periods[1]["end"], "2024-03-18");
    const auto& week = periods[1]["groups"];
    ASSERT_EQ(week.size(), 2u);
    EXPECT_EQ(week[0]["name"], "Cycling");  // 60 km before running's 21
    EXPECT_EQ(week[1]["id"], kRunning);
    EXPECT_EQ(week[1]["sum"], 12.0);
    EXPECT_EQ(week[1]["layers"][0]["name"], "Endurance");
    EXPECT_EQ(week[1]["layers"][1]["sum"], 12.0);

    // A week back, in miles.
    const auto back = RunJson(
        "--range 1-weeks --at 2024-03-13 --back 1 --quantity distance "
        "--imperial --chart totals");
    EXPECT_EQ(back["periods"][0]["start"], "2024-03-04");
    EXPECT_DOUBLE_EQ(back["periods"][0]["groups"][0]["sum"].get<double>(), 9 * 0.621);
    EXPECT_EQ(back["periods"][0]["groups"][0]["name"], "");
}

TEST_F(AnalysisToolTest, TheCollectiveSlotAndCsv) {
    for (std::uint32_t id = 3; id <= 7; ++id) {
        AddItem(world.library.sports, id, id == 3 ? "Row, erg" : "Sport");
        AddItem(world.library.workoutTemplates, 40 + id, "T").sportId = id;
        world.Add(Day(2024, 1, 10), 9, 40 + id, 60.0 * id);
    }
    world.Add(Day(2024, 1, 11), 9, kEasyRun, 30);
    Save();
    const auto json = RunJson("--range 12-months --at 2024-03-13 --chart sport");
    const auto& january = json["periods"][9]["groups"];
    ASSERT_EQ(january.size(), 5u);  // five slots a month
    EXPECT_TRUE(january[4]["id"].is_null());
    EXPECT_EQ(january[4]["sum"], 3.5);  // the row ergometer and the run

    ASSERT_EQ(Run("analysis " + Path("log.kdz") +
                  " --csv --range 1-months --at 2024-01-31 "
                  "--chart sport:3"),
              0);
    EXPECT_EQ(out_,
              "label,start,end,groupId,group,groupSum,layerId,layer,sum\n"
              "Jan.24,2024-01-01,2024-02-01,0,???,3.0,-1,,3.0\n");
    ASSERT_EQ(Run("analysis " + Path("log.kdz") +
                  " --csv --range 1-months --at 2024-01-31 --chart sport"),
              0);
    EXPECT_NE(out_.find(",3,\"Row, erg\",3.0,"), std::string::npos) << out_;
}

TEST_F(AnalysisToolTest, MistakesGiveOneLine) {
    Save();
    const std::string file = Path("log.kdz");
    for (const std::string& options :
         {file + " --range 9-weeks", file + " --chart sport:x", file + " --layer colour",
          file + " --at 2024-02-30", file + " --back -1", file + " --quantity",
          std::string("--csv"), file + " " + file}) {
        SCOPED_TRACE(options);
        EXPECT_EQ(Run("analysis " + options), 2);
        EXPECT_EQ(ErrorLines(), 1);
        EXPECT_EQ(out_, "");
    }
    EXPECT_EQ(Run("analysis " + Path("missing.kdz")), 1);
    EXPECT_EQ(ErrorLines(), 1);
    Write("bad.kdz", "KADENZO2002 and then nothing useful");
    EXPECT_EQ(Run("analysis " + Path("bad.kdz")), 1);
    EXPECT_EQ(ErrorLines(), 1);
}

}  // namespace
}  // namespace kadenzo::test
