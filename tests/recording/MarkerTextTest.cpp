#include <gtest/gtest.h>

#include "MarkerText.h"
#include "RecordingFiles.h"
#include "TextFormat.h"

namespace kadenzo {
namespace {

using MarkerTextTest = testing::ReaderTest;

TEST_F(MarkerTextTest, TextsOnEachAxisInAscendingOrder) {
    testing::RecordingStrings strings;
    const UnitSettings metric;
    CRecording r;
    r.start = 1079345130;  // Mon 15.03.2004 10:05:30
    for (int i = 0; i < 4; ++i) r.samples.push_back({{}, i * 1830, i * 2505});

    EXPECT_EQ(MarkerTexts(r, 3, 1, kAxisElapsedTime, metric, strings),
              (std::array<std::string, 2>{"Marker 1: 0:30:30", "Marker 2: 1:31:30"}));
    EXPECT_EQ(MarkerTexts(r, 0, 2, kAxisTimeOfDay, metric, strings),
              (std::array<std::string, 2>{"Marker 1: Mon., 15.Mar.04 10:05:30",
                                          "Marker 2: Mon., 15.Mar.04 11:06:30"}));
    EXPECT_EQ(MarkerTexts(r, 2, 99, kAxisDistance, metric, strings)[0], "Marker 1: 5.01 km");

    // Day and month names are the language module's, whatever the system's locale.
    strings.texts[34050] = "Mo|Di|Mi|Do|Fr|Sa|So";
    strings.texts[34052] = "Jan|Feb|M\xE4r|Apr|Mai|Jun|Jul|Aug|Sep|Okt|Nov|Dez";
    EXPECT_EQ(MarkerTexts(r, 0, 0, kAxisTimeOfDay, metric, strings)[0],
              "Marker 1: Mo., 15.M\xE4r.04 10:05:30");
}

TEST(TextFormatTest, ArgumentsFollowTheirConversions) {
    EXPECT_EQ(FormatText("%i of %s: %.1f%%", {2, "two", 2.25}), "2 of two: 2.2%");
    EXPECT_EQ(FormatText("%5.2f|%-4d|%03i|%I64d", {3.14159, 7, 5, 9}), " 3.14|7   |005|9");
    EXPECT_EQ(FormatText("%d %s", {2.9, 1.5}), "2 1.5");     // mismatched kinds convert
    EXPECT_EQ(FormatText("%s and %d", {}), " and 0");        // missing arguments
    EXPECT_EQ(FormatText("%n%*d%", {1, 2}), "%n%*d%");       // not honoured
    EXPECT_EQ(FormatText("%9999999f", {1.0}).size(), 256u);  // width capped
}

}  // namespace
}  // namespace kadenzo
