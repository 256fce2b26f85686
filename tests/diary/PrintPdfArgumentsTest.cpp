#include <gtest/gtest.h>

#include "PrintPdfArguments.h"

namespace kadenzo {
namespace {

std::optional<PrintPdfRequest> Parse(std::vector<std::string> args, std::string* error = nullptr) {
    return ParsePrintPdfArguments(args, error);
}

TEST(PrintPdfArguments, RangeAndFileInAnyOrder) {
    auto r = Parse(
        {"--from", "2024-03-11", "diary.kdz", "--print-pdf", "out.pdf", "--to", "2024-03-24"});
    ASSERT_TRUE(r);
    EXPECT_EQ(r->outputPath, "out.pdf");
    EXPECT_EQ(r->documentPath, "diary.kdz");
    EXPECT_EQ(*r->firstDay, 45362);
    EXPECT_EQ(*r->lastDay, 45375);
    EXPECT_FALSE(r->distanceUnit);  // the user's setting holds
    EXPECT_EQ(Parse({"--imperial", "--print-pdf", "o.pdf", "d.kdz"})->distanceUnit, 1u);
    EXPECT_EQ(Parse({"--print-pdf", "o.pdf", "--metric", "d.kdz", "--metric"})->distanceUnit, 0u);
    EXPECT_TRUE(IsPrintPdfCommand({"x", "--print-pdf", "y"}));
    EXPECT_FALSE(IsPrintPdfCommand({"diary.kdz"}));
}

TEST(PrintPdfArguments, MistakesAreReported) {
    std::string error;
    EXPECT_FALSE(Parse({"--print-pdf"}, &error));
    EXPECT_FALSE(Parse({"--print-pdf", "out.pdf"}, &error));
    EXPECT_EQ(error, "no diary file given");
    EXPECT_FALSE(Parse({"--print-pdf", "o.pdf", "--from", "2024-13-01", "d.kdz"}, &error));
    EXPECT_FALSE(Parse(
        {"--print-pdf", "o.pdf", "--from", "2024-03-20", "--to", "2024-03-19", "d.kdz"}, &error));
    EXPECT_FALSE(Parse({"--print-pdf", "o.pdf", "a.kdz", "b.kdz"}, &error));
    EXPECT_FALSE(Parse({"--print-pdf", "o.pdf", "--landscape", "a.kdz"}, &error));
    EXPECT_FALSE(Parse({"--print-pdf", "o.pdf", "--metric", "--imperial", "a.kdz"}, &error));
}

TEST(PrintPdfArguments, DefaultIsTheFourWeeksShownAtStart) {
    PrintPdfRequest r;
    int first = 0, last = 0;
    ResolvePrintDays(r, 45368, &first, &last);  // a Sunday
    EXPECT_EQ(first, 45362);
    EXPECT_EQ(last, 45362 + 27);
    r.firstDay = 45000;
    ResolvePrintDays(r, 45368, &first, &last);
    EXPECT_EQ(last, 45027);
    r.firstDay.reset();
    r.lastDay = 45100;  // only an end long ago: its own week
    ResolvePrintDays(r, 45368, &first, &last);
    EXPECT_EQ(first, 45096);
    EXPECT_EQ(last, 45100);
}

}  // namespace
}  // namespace kadenzo
