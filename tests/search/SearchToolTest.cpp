// kadenzo-tool search, run as users run it, checked against the workouts
// that kadenzo-tool dump lists.
#include <nlohmann/json.hpp>

#include "ToolRunner.h"

namespace kadenzo::test {
namespace {

using Json = nlohmann::json;

class SearchToolTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        ASSERT_EQ(Run("demo '" + Path("demo.kdz") + "'"), 0) << err_;
        ASSERT_EQ(Run("dump '" + Path("demo.kdz") + "'"), 0) << err_;
        workouts_ = Json::parse(out_)["log"]["workouts"];
    }

    std::vector<int> Search(const std::string& arguments) {
        EXPECT_EQ(Run("search '" + Path("demo.kdz") + "' " + arguments), 0) << err_;
        return Json::parse(out_)["found"].get<std::vector<int>>();
    }

    // The positions of the dumped workouts that pass the test.
    template <class Test>
    std::vector<int> Where(Test test) {
        std::vector<int> positions;
        for (std::size_t i = 0; i < workouts_.size(); ++i)
            if (test(workouts_[i])) positions.push_back(static_cast<int>(i));
        return positions;
    }

    Json workouts_;
};

TEST_F(SearchToolTest, FindsWhatTheDumpHolds) {
    // Five miles or less on runs (the program takes a kilometre as 0.621 miles).
    const auto short_ = Where([](const Json& w) {
        return w["sportId"] == 1 && w["distance"].get<double>() * 0.621 <= 5;
    });
    EXPECT_FALSE(short_.empty());  // the recovery runs
    EXPECT_EQ(Search("--imperial --whole --today 9999-12-31 --where sport equals 1 "
                     "--where distance atmost 5"),
              short_);
    // Nothing is found before the first day of the diary.
    EXPECT_TRUE(Search("--today 1999-01-01").empty());
}

TEST_F(SearchToolTest, MistakesAreOneLineAndNoResult) {
    const char* mistakes[] = {
        "--where pace atleast 5",    // no such property
        "--where sport contains 1",  // not offered for a library item
        "--where date atleast 2024-02-30",
        "--where track equals first",
        "--where note contains",  // the value is missing
        "--today yesterday",
        "--fast",
    };
    for (const char* mistake : mistakes) {
        EXPECT_EQ(Run("search '" + Path("demo.kdz") + "' " + mistake), 2) << mistake;
        EXPECT_EQ(ErrorLines(), 1) << mistake;
        EXPECT_TRUE(out_.empty()) << mistake;
    }
    EXPECT_EQ(Run("search '" + Path("missing.kdz") + "'"), 1);
    EXPECT_EQ(ErrorLines(), 1);
}

}  // namespace
}  // namespace kadenzo::test
