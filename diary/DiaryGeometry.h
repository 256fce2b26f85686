#pragma once

namespace kadenzo {

// An integer rectangle in device units, right and bottom exclusive, as the
// painting code passes them around.
struct DiaryRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    DiaryRect Inset(int dx, int dy) const { return {left + dx, top + dy, right - dx, bottom - dy}; }
    bool operator==(const DiaryRect&) const = default;
};

struct DiaryPoint {
    int x = 0;
    int y = 0;
    bool operator==(const DiaryPoint&) const = default;
};

}  // namespace kadenzo
