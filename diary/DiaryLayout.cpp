#include "DiaryLayout.h"

namespace kadenzo {

int DayColumnWidth(int clientWidth) { return static_cast<int>(clientWidth * 0.13333333333333333); }

std::vector<DiaryRowLayout> LayOutDiaryRows(int clientWidth, int clientHeight, int rows) {
    std::vector<DiaryRowLayout> layout;
    if (rows <= 0) return layout;
    const int d = DayColumnWidth(clientWidth);
    const int r = clientHeight / rows;
    layout.resize(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) {
        const int y = i * r;
        DiaryRowLayout& row = layout[static_cast<std::size_t>(i)];
        row.week = {7 * d, y, clientWidth, y + r};
        for (int j = 0; j < 7; ++j)
            row.days[static_cast<std::size_t>(j)] =
                DiaryRect{j * d, y, (j + 1) * d, y + r}.Inset(1, 1);
    }
    return layout;
}

DayPanelGeometry ComputeDayPanelGeometry(int w, int h, int t) {
    DayPanelGeometry g;
    g.header = {0, 0, w, t + 4};
    g.body = {0, t + 3, w, h};
    g.upArrow = {2, 4, t - 2, t};
    g.upTriangle = {DiaryPoint{2, t}, DiaryPoint{t - 2, t}, DiaryPoint{2 + (t - 4) / 2, 4}};
    g.downArrow = {t + 1, 4, 2 * t - 3, t};
    g.downTriangle = {DiaryPoint{t + 1, 4}, DiaryPoint{2 * t - 3, 4},
                      DiaryPoint{t + 1 + (t - 4) / 2, t}};
    g.arrowBackground = {3, 4, 3 + 2 * t - 5, 4 + t - 3};

    const int a = h - t - 6;
    const int gap = 2 * a / 26;
    const int slot = 10 * a / 26;
    int y = t + 5;
    for (int i = 0; i < 2; ++i) {
        g.gapBoxes[static_cast<std::size_t>(i)] = {1, y, w - 1, y + gap};
        g.slotBoxes[static_cast<std::size_t>(i)] = {1, y + gap, w - 1, y + gap + slot};
        y += gap + slot;
    }
    g.gapBoxes[2] = {1, y, w - 1, h - 1};
    return g;
}

}  // namespace kadenzo
