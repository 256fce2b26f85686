#pragma once

#include <array>
#include <vector>

#include "DiaryGeometry.h"

namespace kadenzo {

// The screen diary: seven day columns of trunc(W * 2/15) pixels, the rest of
// the width to the week panel of each row.
int DayColumnWidth(int clientWidth);

struct DiaryRowLayout {
    std::array<DiaryRect, 7> days;  // inset by one pixel on every side
    DiaryRect week;                 // not inset
};

// One entry per row, top to bottom; the row height is clientHeight / rows.
std::vector<DiaryRowLayout> LayOutDiaryRows(int clientWidth, int clientHeight, int rows);

// Boxes of one day panel in client coordinates, from its size and the height
// t of a date text in the default GUI font.
struct DayPanelGeometry {
    DiaryRect header;
    DiaryRect body;  // overlaps the header by one pixel
    DiaryRect upArrow;
    DiaryRect downArrow;
    std::array<DiaryPoint, 3> upTriangle;
    std::array<DiaryPoint, 3> downTriangle;
    // Filled with the header colour when neither arrow is active.
    DiaryRect arrowBackground;
    std::array<DiaryRect, 2> slotBoxes;
    std::array<DiaryRect, 3> gapBoxes;  // above slot 0, between the slots, below slot 1
};

DayPanelGeometry ComputeDayPanelGeometry(int width, int height, int textHeight);

}  // namespace kadenzo
