#pragma once

namespace kadenzo {

// The printed diary's grid: seven columns with six gaps between them (the
// page's columns) and a nominal row height for four weeks on a page.
struct PrintGrid {
    int column = 0;
    int gap = 0;
    int nominalRow = 0;
};

PrintGrid ComputePrintGrid(int width, int height);

}  // namespace kadenzo
