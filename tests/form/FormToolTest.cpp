// kadenzo-tool form on the demo diary: the days shown by default, the same
// figures as CSV, the next race, a demo without warnings, and one line for
// every mistake. The loads themselves are worked out by hand in the series'
// own test.
#include <cstdio>
#include <ctime>
#include <nlohmann/json.hpp>
#include <sstream>

#include "DateTime.h"
#include "ToolRunner.h"

namespace kadenzo::test {
namespace {

using Json = nlohmann::json;

std::string IsoDay(int day) {
    const DateParts p = PartsFromDateTime(NoonOfDayNumber(day)).value();
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", p.year, p.month, p.day);
    return text;
}

class FormToolTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        ASSERT_EQ(Run("demo '" + Path("demo.kdz") + "'"), 0) << err_;
        today_ = DayNumber(DateTimeFromTimeStamp(std::time(nullptr)));
    }
    Json Form(const std::string& arguments) {
        EXPECT_EQ(
            Run("form '" + Path("demo.kdz") + "' --today " + IsoDay(today_) + " " + arguments), 0)
            << err_;
        return Json::parse(out_);
    }

    int today_ = 0;
};

// By default from 89 days before today to at least 27 after; each day's
// figures carry the day before's.
TEST_F(FormToolTest, DaysFollowTheRulesOnTheDemo) {
    const Json form = Form("");
    EXPECT_EQ(form["today"], IsoDay(today_));
    const Json& days = form["days"];
    ASSERT_GE(days.size(), 89u + 1 + 27);
    for (std::size_t i = 0; i < days.size(); ++i) {
        SCOPED_TRACE(i);
        const int day = today_ - 89 + static_cast<int>(i);
        ASSERT_EQ(days[i]["date"], IsoDay(day));
        EXPECT_EQ(days[i]["projected"], day > today_);
        if (i == 0) continue;
        const Json& y = days[i - 1];
        const double load = days[i]["load"], fitness = y["fitness"], fatigue = y["fatigue"];
        EXPECT_NEAR(days[i]["fitness"].get<double>(), fitness + (load - fitness) / 42, 1e-9);
        EXPECT_NEAR(days[i]["fatigue"].get<double>(), fatigue + (load - fatigue) / 7, 1e-9);
        EXPECT_NEAR(days[i]["form"].get<double>(), fitness - fatigue, 1e-9);
    }
    EXPECT_GT(days[89]["fitness"].get<double>(), 10.0);
}

TEST_F(FormToolTest, CsvHoldsTheSameFigures) {
    const std::string range = "--from " + IsoDay(today_ - 3) + " --to " + IsoDay(today_ + 3);
    const Json days = Form(range)["days"];
    ASSERT_EQ(days.size(), 7u);
    ASSERT_EQ(Run("form '" + Path("demo.kdz") + "' --today " + IsoDay(today_) + " --csv " + range),
              0);
    std::istringstream csv(out_);
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, "date,load,fitness,fatigue,form,projected,ramp");
    for (const Json& d : days) {
        ASSERT_TRUE(std::getline(csv, line));
        std::ostringstream expected;
        expected << d["date"].get<std::string>() << ',' << d["load"].dump() << ','
                 << d["fitness"].dump() << ',' << d["fatigue"].dump() << ',' << d["form"].dump()
                 << ',' << d["projected"].dump() << ',' << d["ramp"].dump();
        EXPECT_EQ(line, expected.str());
    }
    EXPECT_FALSE(std::getline(csv, line));
}

// The demo's half marathon on the last Sunday of its plan, category 6 of the
// starter library: form that day's, fitness and fatigue the day before's.
// Long runs (category 5) have no plan note: their template names them.
TEST_F(FormToolTest, NextRaceIsTheDemosHalfMarathon) {
    const int sunday = today_ - WeekdayFromMonday(NoonOfDayNumber(today_)) + 27;
    const Json form = Form("--to " + IsoDay(sunday));
    const Json& days = form["days"];
    const Json& before = days[days.size() - 2];
    const Json expected = {{"date", IsoDay(sunday)},
                           {"name", "City half marathon"},
                           {"form", days.back()["form"]},
                           {"fitness", before["fitness"]},
                           {"fatigue", before["fatigue"]}};
    EXPECT_EQ(form["nextRace"], expected);
    EXPECT_TRUE(Form("--race-category none")["nextRace"].is_null());
    EXPECT_EQ(Form("--race-category 5")["nextRace"]["name"], "Long run");
}

// No reason for a warning in either demo: every workout rated, every
// template of both starter libraries with a target.
TEST_F(FormToolTest, TheDemoRatesEveryWorkout) {
    ASSERT_EQ(Run("demo '" + Path("demo-de.kdz") + "' --german"), 0) << err_;
    for (const char* demo : {"demo.kdz", "demo-de.kdz"}) {
        ASSERT_EQ(Run("form '" + Path(demo) + "' --today " + IsoDay(today_)), 0) << err_;
        EXPECT_EQ(Json::parse(out_)["unrated"], 0) << demo;
        ASSERT_EQ(Run(std::string("dump '") + Path(demo) + "'"), 0) << err_;
        const Json dump = Json::parse(out_);
        for (const Json& t : dump["library"]["workoutTemplates"])
            EXPECT_GT(t["pulseHigh"].get<int>(), 0) << t["name"];
    }
}

TEST_F(FormToolTest, MistakesAreOneLineAndNoOutput) {
    const std::string demo = "'" + Path("demo.kdz") + "' ";
    const std::string mistakes[] = {
        demo + "--today 2024-13-01",
        demo + "--from 1899-12-31",
        demo + "--from 2024-03-02 --to 2024-03-01",
        demo + "--to",
        demo + "--weeks 4",
        demo + "--race-category",
        demo + "--race-category -1",
        demo + "--race-category 4294967296",
        demo + "--race-category 99",  // not in the library
        demo + demo,
        "",
        "'" + Path("missing.kdz") + "'",
    };
    for (const std::string& arguments : mistakes) {
        SCOPED_TRACE(arguments);
        EXPECT_NE(Run("form " + arguments), 0);
        EXPECT_EQ(ErrorLines(), 1) << err_;
        EXPECT_EQ(out_, "");
    }
}

}  // namespace
}  // namespace kadenzo::test
