// kadenzo-tool ical on the demo diary: the days it holds when asked, the
// diary's file name in every UID, and one line for every mistake.
#include <regex>

#include "ToolRunner.h"

namespace kadenzo::test {
namespace {

class IcalToolTest : public ToolTest {};

TEST_F(IcalToolTest, TheDaysAskedForAndOneLineForEveryMistake) {
    const std::string demo = "'" + Path("demo.kdz") + "' ";
    ASSERT_EQ(Run("demo " + demo), 0) << err_;
    ASSERT_EQ(Run("ical " + demo + "--from 1990-01-01 --to 1990-12-31 --today 1990-01-01"), 0);
    EXPECT_EQ(out_.find("BEGIN:VEVENT"), std::string::npos);  // the demo lies around today
    EXPECT_TRUE(out_.ends_with("END:VCALENDAR\r\n"));

    ASSERT_EQ(Run("ical " + demo), 0) << err_;
    static const std::regex uid(R"(\r\nUID:[0-9]{8}-[-a-z0-9]+@(.*)\r\n)");
    int events = 0;
    for (auto it = std::sregex_iterator(out_.begin(), out_.end(), uid);
         it != std::sregex_iterator(); ++it, ++events)
        EXPECT_EQ((*it)[1], "demo.kdz");
    EXPECT_GT(events, 20);

    for (const std::string& arguments :
         {demo + "--from 2024-02-30", demo + "--from 2024-03-02 --to 2024-03-01", demo + "--to",
          demo + "--csv", demo + demo, std::string(), "'" + Path("missing.kdz") + "'"}) {
        SCOPED_TRACE(arguments);
        EXPECT_NE(Run("ical " + arguments), 0);
        EXPECT_EQ(ErrorLines(), 1) << err_;
        EXPECT_EQ(out_, "");
    }
}

}  // namespace
}  // namespace kadenzo::test
