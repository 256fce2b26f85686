// kadenzo-tool merge as users run it: the report, the merged file and the
// failures that leave OUT alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "MergeFixture.h"
#include "ToolRunner.h"

namespace kadenzo::test {
namespace {

using Json = nlohmann::json;

class MergeTool : public ToolTest {
protected:
    std::string File(const char* name, const DocumentContents& contents) {
        WriteBytes(Path(name), Bytes(contents));
        return "'" + Path(name) + "'";
    }
};

TEST_F(MergeTool, ThreeWayReportAndFile) {
    const W a{kDay, 30, "a"}, b{kDay + 1, 45, "b"}, c{kDay + 2, 60, "c"};
    const W a1{kDay, 35, "a"}, a2{kDay, 40, "a"};
    DocumentContents mine = Diary(WorkoutLog({a1, b}));
    mine.log->Events().push_back(std::make_unique<CEvent>());
    mine.log->Events().back()->start = {CalendarDateTime::kValid, NoonOfDayNumber(kDay)};
    mine.log->Events().back()->end = {CalendarDateTime::kValid, NoonOfDayNumber(kDay + 2)};
    const std::string base = File("base.kdz", Diary(WorkoutLog({a, b})));
    const std::string args = base + " " + File("mine.kdz", mine) + " " +
                             File("theirs.kdz", Diary(WorkoutLog({a2, b, c}))) + " '" +
                             Path("out.kdz") + "'";
    ASSERT_EQ(Run("merge " + args), 0) << err_;
    EXPECT_EQ(Json::parse(out_), Json::parse(R"({
        "workouts": {"added": 2, "removed": 0},
        "bodyInfos": {"added": 0, "removed": 0},
        "events": {"added": 0, "removed": 0},
        "conflicts": [{"kind": "workout", "day": "2023-03-15", "what": "edited on both sides",
                       "mine": 0, "theirs": 1}]})"));
    const DocumentContents merged = ReadDocumentFile(Path("out.kdz"));
    EXPECT_EQ(Describe(*merged.log), Describe({a1, a2, b, c}));
    EXPECT_EQ(merged.log->Events().size(), 1u);

    // Without BASE: nothing is removed, the events count as days.
    ASSERT_EQ(Run("merge " + File("only-b.kdz", Diary(WorkoutLog({b}))) + " " +
                  File("mine.kdz", mine) + " '" + Path("out2.kdz") + "'"),
              0)
        << err_;
    const Json report = Json::parse(out_);
    EXPECT_EQ(report["workouts"], Json::parse(R"({"added": 1, "removed": 0})"));
    EXPECT_EQ(report["events"], Json::parse(R"({"added": 3, "removed": 0})"));
    EXPECT_TRUE(report["conflicts"].empty());
}

TEST_F(MergeTool, FailuresLeaveOutAlone) {
    const std::string good = File("good.kdz", Diary(WorkoutLog({W{}})));
    EXPECT_EQ(Run("merge " + good + " " + good), 2);
    EXPECT_EQ(ErrorLines(), 1);

    std::vector<std::uint8_t> bytes = Bytes(Diary(WorkoutLog({W{}})));
    bytes.resize(bytes.size() - 5);
    WriteBytes(Path("cut.kdz"), bytes);
    EXPECT_EQ(
        Run("merge " + good + " " + good + " '" + Path("cut.kdz") + "' '" + Path("out.kdz") + "'"),
        1);
    EXPECT_EQ(ErrorLines(), 1);
    EXPECT_NE(err_.find("THEIRS"), std::string::npos) << err_;
    EXPECT_FALSE(std::filesystem::exists(Path("out.kdz")));

    EXPECT_EQ(Run("merge " + good + " " + good + " '" + Path("missing/out.kdz") + "'"), 1);
    EXPECT_EQ(ErrorLines(), 1);
}

}  // namespace
}  // namespace kadenzo::test
