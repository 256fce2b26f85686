#pragma once

#include "DiaryGeometry.h"

namespace kadenzo {

// What the printer tells about its page, all in device units.
struct PrinterMetrics {
    int physicalWidth = 0;
    int physicalHeight = 0;
    int offsetX = 0;  // left edge of the printable area
    int offsetY = 0;  // top edge of the printable area
    int printableWidth = 0;
    int printableHeight = 0;
    int dpiX = 0;
    int dpiY = 0;
};

// Moves the drawing rectangle inward so that the left and right margins are
// equal and at least 10 mm, the top at least 10 mm and the bottom at least
// 5 mm, each counting the hardware margin the printer cannot print on.
DiaryRect ApplyPageMargins(const DiaryRect& drawing, const PrinterMetrics& printer);

// Where the page furniture goes in the margin-adjusted rectangle, given the
// line height of the 9-point footer font.
struct PageFurniture {
    DiaryRect picture;  // top right corner
    DiaryRect footer;   // full width, one line high, at the bottom
    int ruleY = 0;      // the rule above the footer, full width
    DiaryRect content;  // what is left for the view's own printing
};

PageFurniture LayOutPageFurniture(const DiaryRect& page, int lineHeight);

// The printed diary's grid: seven columns with six gaps between them and a
// nominal row height for four weeks on a page.
struct PrintGrid {
    int column = 0;
    int gap = 0;
    int nominalRow = 0;
};

PrintGrid ComputePrintGrid(int width, int height);

}  // namespace kadenzo
