#include <gtest/gtest.h>

#include "PageLayout.h"

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

// Hardware margins under ten millimetres (five at the bottom) grow to them; a
// wider one on the left is mirrored to the right. 100 units are 4.23 mm,
// counted as 4; 600 are 25.4 mm, counted as 25; 300 are 12 mm.
TEST(PageMargins, GrowToTenAndFiveMillimetresAndMirrorAWideSide) {
    struct Case {
        int left, top, right, bottom;
        PageRect inset;  // taken off the drawing area on each side
    } cases[] = {
        {100, 100, 100, 100, {141, 141, 141, 23}},  // 6, 6, 6 and 1 mm more
        {600, 300, 0, 300, {0, 0, 590, 0}},
    };
    for (const Case& c : cases) {
        const PrinterMetrics p = A4(c.left, c.top, c.right, c.bottom);
        const PageRect drawing{0, 0, p.printableWidth, p.printableHeight};
        EXPECT_EQ(ApplyPageMargins(drawing, p),
                  (PageRect{c.inset.left, c.inset.top, drawing.right - c.inset.right,
                            drawing.bottom - c.inset.bottom}))
            << c.left;
    }
    const PageRect square{0, 0, 100, 100};
    EXPECT_EQ(ApplyPageMargins(square, PrinterMetrics{}), square);  // no resolution: as it is
}

TEST(PageFurniture, PictureFooterRuleAndContent) {
    const PageColumns columns = SevenColumns(4600);
    EXPECT_EQ(columns.column, 630);  // trunc(4600 * 0.13698...)= 630
    EXPECT_EQ(columns.gap, 31);      // (4600 - 4410) / 6
    PageFurniture f = LayOutPageFurniture(PageRect{100, 200, 100 + 4600, 200 + 6400}, 50);
    EXPECT_EQ(f.picture, (PageRect{3420, 200, 4700, 520}));  // a twentieth high, four wide
    EXPECT_EQ(f.footer, (PageRect{100, 6550, 4700, 6600}));
    EXPECT_EQ(f.ruleY, 6535);
    EXPECT_EQ(f.content, (PageRect{100, 584, 4700, 6488}));
}

}  // namespace
}  // namespace kadenzo
