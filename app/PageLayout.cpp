#include "PageLayout.h"

#include <algorithm>

namespace kadenzo {
namespace {

// Millimetres of device units, truncated toward zero; 0 for a device without
// a resolution rather than a division by zero.
int ToMillimetres(int units, int dpi) {
    if (dpi <= 0) return 0;
    return static_cast<int>(static_cast<double>(units) / dpi * 25.4);
}

int ToDeviceUnits(int millimetres, int dpi) {
    return static_cast<int>(millimetres * dpi * 0.03937007874015748);
}

}  // namespace

PageRect ApplyPageMargins(const PageRect& drawing, const PrinterMetrics& p) {
    const int left = ToMillimetres(p.offsetX, p.dpiX);
    const int right = ToMillimetres(p.physicalWidth - p.printableWidth, p.dpiX) - left;
    const int top = ToMillimetres(p.offsetY, p.dpiY);
    const int bottom = ToMillimetres(p.physicalHeight - p.printableHeight, p.dpiY) - top;

    const int side = std::max({10, left, right});
    const int extraTop = std::max(10 - top, 0);
    const int extraBottom = std::max(5 - bottom, 0);

    PageRect r = drawing;
    r.left += ToDeviceUnits(side - left, p.dpiX);
    r.right -= ToDeviceUnits(side - right, p.dpiX);
    r.top += ToDeviceUnits(extraTop, p.dpiY);
    r.bottom -= ToDeviceUnits(extraBottom, p.dpiY);
    return r;
}

PageColumns SevenColumns(int width) {
    PageColumns c;
    c.column = static_cast<int>(width * 0.136986301369863);
    c.gap = (width - 7 * c.column) / 6;
    return c;
}

PageFurniture LayOutPageFurniture(const PageRect& page, int lineHeight) {
    const int u = page.Height() / 20;
    const int g = SevenColumns(page.Width()).gap;
    PageFurniture f;
    f.picture = {page.right - 4 * u, page.top, page.right, page.top + u};
    f.footer = {page.left, page.bottom - lineHeight, page.right, page.bottom};
    f.ruleY = page.bottom - (g / 2 + lineHeight);
    f.content = {page.left, page.top + static_cast<int>(1.2 * u), page.right,
                 page.bottom - 2 * g - lineHeight};
    return f;
}

}  // namespace kadenzo
