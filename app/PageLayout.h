#pragma once

namespace kadenzo {

// An integer rectangle on a printed page in device units, right and bottom
// exclusive.
struct PageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PageRect&) const = default;
};

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
PageRect ApplyPageMargins(const PageRect& drawing, const PrinterMetrics& printer);

// The page's rhythm: seven columns, each 1/7.3 of the width, with six equal
// gaps between them. The diary prints its days in them; the furniture keeps
// its distances in gaps.
struct PageColumns {
    int column = 0;
    int gap = 0;
};

PageColumns SevenColumns(int width);

// Where the page furniture goes in the margin-adjusted rectangle, given the
// line height of the 9-point footer font.
struct PageFurniture {
    PageRect picture;  // top right corner
    PageRect footer;   // full width, one line high, at the bottom
    int ruleY = 0;     // the rule above the footer, full width
    PageRect content;  // what is left for the view's own printing
};

PageFurniture LayOutPageFurniture(const PageRect& page, int lineHeight);

}  // namespace kadenzo
