// kadenzo-tool form on the demo diary, checked against what kadenzo-tool
// dump lists.
#include <cmath>
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
        ASSERT_EQ(Run("dump '" + Path("demo.kdz") + "'"), 0) << err_;
        dump_ = Json::parse(out_);
        today_ = DayNumber(DateTimeFromTimeStamp(std::time(nullptr)));
    }
    Json Form(const std::string& arguments) {
        EXPECT_EQ(
            Run("form '" + Path("demo.kdz") + "' --today " + IsoDay(today_) + " " + arguments), 0)
            << err_;
        return Json::parse(out_);
    }

    Json dump_;
    int today_ = 0;
};

TEST_F(FormToolTest, DaysFollowTheRulesOnTheDemo) {
    const Json& workouts = dump_["log"]["workouts"];
    const int first = DayNumber(workouts[0]["date"].get<double>());
    const Json form = Form("--from " + IsoDay(first - 1));
    EXPECT_EQ(form["today"], IsoDay(today_));
    EXPECT_GE(form["unrated"].get<int>(), 0);
    const Json& days = form["days"];
    // The default end: four weeks ahead, or the last planned day beyond them.
    ASSERT_GE(days.size(), static_cast<std::size_t>(today_ + 28 - (first - 1)));
    EXPECT_EQ(days[0]["fitness"], 0.0);
    for (std::size_t i = 0; i < days.size(); ++i) {
        SCOPED_TRACE(i);
        const Json& d = days[i];
        ASSERT_EQ(d["date"], IsoDay(first - 1 + static_cast<int>(i)));
        EXPECT_EQ(d["projected"], first - 1 + static_cast<int>(i) > today_);
        if (i == 0) continue;
        const Json& y = days[i - 1];
        const double load = d["load"], fitness = y["fitness"], fatigue = y["fatigue"];
        EXPECT_NEAR(d["fitness"].get<double>(), fitness + (load - fitness) / 42, 1e-9);
        EXPECT_NEAR(d["fatigue"].get<double>(), fatigue + (load - fatigue) / 7, 1e-9);
        EXPECT_NEAR(d["form"].get<double>(), fitness - fatigue, 1e-9);
    }
    EXPECT_GT(days[static_cast<std::size_t>(today_ - first)]["fitness"].get<double>(), 10.0);

    // By hand: the first day with one workout, performed with an average heart
    // rate before any maximum test, against the age formula's maximum (the
    // demo's athlete entered none) and the latest resting heart rate.
    ASSERT_LE(dump_["maxHeartRate"].get<int>(), 20);
    ASSERT_EQ(dump_["hrFormula"], 0);
    const std::int64_t noon = (today_ - 25569) * std::int64_t{86400} + 43200;
    const double max =
        220 - static_cast<int>((noon - dump_["birthDate"].get<std::int64_t>()) / 86400 / 365);
    for (std::size_t i = 0; i < workouts.size(); ++i) {
        const Json& w = workouts[i];
        ASSERT_EQ(w["maxPulseTest"], 0) << "no one-workout day before the first test";
        const int day = DayNumber(w["date"].get<double>());
        const bool alone =
            (i == 0 || DayNumber(workouts[i - 1]["date"].get<double>()) != day) &&
            (i + 1 == workouts.size() || DayNumber(workouts[i + 1]["date"].get<double>()) != day);
        if (!alone || w["duration"].get<double>() <= 0 || w["averagePulse"] == 0) continue;
        double rest = 60;
        for (const Json& info : dump_["log"]["bodyInfos"])
            if (DayNumber(info["date"]["value"].get<double>()) <= day && info["value3"] > 0)
                rest = info["value3"];
        const double r = (w["averagePulse"].get<double>() - rest) / (max - rest);
        const double load = w["duration"].get<double>() * r * 0.64 * std::exp(1.92 * r);
        EXPECT_NEAR(days[static_cast<std::size_t>(day - first + 1)]["load"].get<double>(), load,
                    1e-9);
        break;
    }
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
    EXPECT_EQ(line, "date,load,fitness,fatigue,form,projected");
    for (const Json& d : days) {
        ASSERT_TRUE(std::getline(csv, line));
        std::ostringstream expected;
        expected << d["date"].get<std::string>() << ',' << d["load"].dump() << ','
                 << d["fitness"].dump() << ',' << d["fatigue"].dump() << ',' << d["form"].dump()
                 << ',' << d["projected"].dump();
        EXPECT_EQ(line, expected.str());
    }
    EXPECT_FALSE(std::getline(csv, line));
}

TEST_F(FormToolTest, MistakesAreOneLineAndNoOutput) {
    const std::string demo = "'" + Path("demo.kdz") + "' ";
    const std::string mistakes[] = {
        demo + "--today 2024-13-01",
        demo + "--from 1899-12-31",
        demo + "--from 2024-03-02 --to 2024-03-01",
        demo + "--to",
        demo + "--weeks 4",
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
