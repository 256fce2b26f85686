#include <gtest/gtest.h>

#include "DiaryLayout.h"

namespace kadenzo {
namespace {

TEST(DiaryRows, SevenEqualColumnsAndTheRestToTheWeekPanel) {
    // 1000 * 0.1333... is 133.33: seven columns of 133, the week panel 69 wide.
    std::vector<DiaryRowLayout> rows = LayOutDiaryRows(1000, 601, 4);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(DayColumnWidth(1000), 133);
    EXPECT_EQ(rows[0].week, (DiaryRect{931, 0, 1000, 150}));
    EXPECT_EQ(rows[3].week, (DiaryRect{931, 450, 1000, 600}));
    EXPECT_EQ(rows[0].days[0], (DiaryRect{1, 1, 132, 149}));
    EXPECT_EQ(rows[2].days[6], (DiaryRect{6 * 133 + 1, 301, 7 * 133 - 1, 449}));
    for (const DiaryRowLayout& row : rows)
        for (const DiaryRect& day : row.days) EXPECT_EQ(day.Width(), 131);
    // 1921 * 0.1333... is 256.13: the week panel takes the remaining 129.
    EXPECT_EQ(LayOutDiaryRows(1921, 400, 4)[1].week, (DiaryRect{1792, 100, 1921, 200}));
    EXPECT_TRUE(LayOutDiaryRows(500, 400, 0).empty());
}

TEST(DayPanelGeometry, BoxesFollowTheTextHeight) {
    // Panel 131 x 148, text height 16: A = 148 - 16 - 6 = 126, gap 9, slot 48.
    DayPanelGeometry g = ComputeDayPanelGeometry(131, 148, 16);
    EXPECT_EQ(g.header, (DiaryRect{0, 0, 131, 20}));
    EXPECT_EQ(g.body, (DiaryRect{0, 19, 131, 148}));
    EXPECT_EQ(g.upArrow, (DiaryRect{2, 4, 14, 16}));
    EXPECT_EQ(g.downArrow, (DiaryRect{17, 4, 29, 16}));
    EXPECT_EQ(g.upTriangle[2], (DiaryPoint{8, 4}));
    EXPECT_EQ(g.downTriangle[2], (DiaryPoint{23, 16}));
    EXPECT_EQ(g.arrowBackground, (DiaryRect{3, 4, 30, 17}));
    EXPECT_EQ(g.gapBoxes[0], (DiaryRect{1, 21, 130, 30}));
    EXPECT_EQ(g.slotBoxes[0], (DiaryRect{1, 30, 130, 78}));
    EXPECT_EQ(g.gapBoxes[1], (DiaryRect{1, 78, 130, 87}));
    EXPECT_EQ(g.slotBoxes[1], (DiaryRect{1, 87, 130, 135}));
    EXPECT_EQ(g.gapBoxes[2], (DiaryRect{1, 135, 130, 147}));
}

TEST(DayPanelGeometry, TinyPanelGivesEmptyBoxesNotInvertedOnes) {
    DayPanelGeometry g = ComputeDayPanelGeometry(20, 10, 16);
    // A is negative: gap and slot heights truncate toward zero, never grow.
    EXPECT_LE(g.slotBoxes[0].Height(), 0);
    EXPECT_GE(g.slotBoxes[0].Height(), -4);
}

}  // namespace
}  // namespace kadenzo
