#include "PrintLayout.h"

#include "PageLayout.h"

namespace kadenzo {

PrintGrid ComputePrintGrid(int width, int height) {
    const PageColumns columns = SevenColumns(width);
    return {columns.column, columns.gap, (height - 3 * columns.gap) / 4};
}

}  // namespace kadenzo
