#include <gtest/gtest.h>

#include "PrintLayout.h"

namespace kadenzo {
namespace {

// An A4 page at 600 dpi: 4960 x 7016 device units.
PrinterMetrics A4(int left, int top, int right, int bottom) {
    PrinterMetrics p;
    p.physicalWidth = 4960;
    p.physicalHeight = 7016;
    p.dpiX = p.dpiY = 600;
    p.offsetX = left;
    p.offsetY = top;
    p.printableWidth = 4960 - left - right;
    p.printableHeight = 7016 - top - bottom;
    return p;
}

TEST(PageMargins, SmallHardwareMarginsGrowToTenAndFiveMillimetres) {
    // 100 units = 4.23 mm, counted as 4 mm on every side.
    PrinterMetrics p = A4(100, 100, 100, 100);
    DiaryRect drawing{0, 0, p.printableWidth, p.printableHeight};
    DiaryRect r = ApplyPageMargins(drawing, p);
    const int six = static_cast<int>(6 * 600 * 0.03937007874015748);  // 141
    const int one = static_cast<int>(1 * 600 * 0.03937007874015748);  // 23
    EXPECT_EQ(r, (DiaryRect{six, six, drawing.right - six, drawing.bottom - one}));
}

TEST(PageMargins, AWideHardwareMarginIsMirroredToTheOtherSide) {
    // 600 units left = 25.4 mm, counted as 25: the right side gets 25 mm too.
    PrinterMetrics p = A4(600, 300, 0, 300);
    DiaryRect drawing{0, 0, p.printableWidth, p.printableHeight};
    DiaryRect r = ApplyPageMargins(drawing, p);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.right, drawing.right - static_cast<int>(25 * 600 * 0.03937007874015748));
    // 300 units is 12 mm: neither top nor bottom moves.
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.bottom, drawing.bottom);
}

TEST(PageMargins, ADeviceWithoutResolutionIsLeftAlone) {
    PrinterMetrics p;
    DiaryRect drawing{0, 0, 100, 100};
    EXPECT_EQ(ApplyPageMargins(drawing, p), drawing);
}

TEST(PageFurniture, PictureFooterRuleAndContent) {
    DiaryRect page{100, 200, 100 + 4600, 200 + 6400};
    PrintGrid grid = ComputePrintGrid(4600, 0);
    EXPECT_EQ(grid.column, 630);  // trunc(4600 * 0.13698...)= 630
    EXPECT_EQ(grid.gap, 31);      // (4600 - 4410) / 6
    EXPECT_EQ(ComputePrintGrid(4600, 5800).nominalRow, (5800 - 3 * 31) / 4);
    PageFurniture f = LayOutPageFurniture(page, 50);
    const int u = 6400 / 20;
    EXPECT_EQ(f.picture, (DiaryRect{4700 - 4 * u, 200, 4700, 200 + u}));
    EXPECT_EQ(f.footer, (DiaryRect{100, 6550, 4700, 6600}));
    EXPECT_EQ(f.ruleY, 6600 - (15 + 50));
    EXPECT_EQ(f.content, (DiaryRect{100, 200 + 384, 4700, 6600 - 62 - 50}));
}

}  // namespace
}  // namespace kadenzo
