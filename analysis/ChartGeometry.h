#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kadenzo {

class ChartContent;

// An integer rectangle in device units, right and bottom exclusive.
struct ChartRect {
    int left = -1;
    int top = -1;
    int right = -1;
    int bottom = -1;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Left and top inside, right and bottom outside, so a flat rectangle
    // holds no point.
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const ChartRect&) const = default;
};

// The value scale: `divisions` grid divisions of `step` each from the floor
// to the top of the back wall; automatic scales are worked out on drawing.
struct ValueScale {
    int divisions = 0;
    double step = 0;
    bool automatic = true;
    bool operator==(const ValueScale&) const = default;
};

// The automatic scale for the highest bar: one division per 70 pixels of wall
// height (at least one, at most ten), of a nice step. No divisions and no step
// when there is nothing to show. The step is NiceStep (model/NiceStep.h)
// of the peak over the wanted divisions.
ValueScale AutoScale(double peak, double wallHeight);

// Where the chart's parts go in the drawing rectangle. The pseudo-3-D depth
// runs up and to the right at one radian; every bar is u wide and each period
// is (slots + 1) bars wide, half a bar of space on either side.
struct ChartGeometry {
    ChartRect area;
    int textHeight = 0;
    double margin = 0;      // left of the floor, for the value labels
    double plotHeight = 0;  // from the top to the front edge of the floor
    double baseY = 0;       // the front edge of the floor
    double x0 = 0;          // the front left corner of the floor
    double u = 0;           // bar width
    double periodWidth = 0;
    double dx = 0;  // half the depth of the floor, across and up
    double dy = 0;
    double chartWidth = 0;

    // The back wall's height above the floor's back edge.
    double WallHeight() const { return plotHeight - 2 * dy; }
};

// `labelRoom` widens the margin left of the floor beyond its usual twentieth
// of the width (for value labels wider than that), up to half the width.
ChartGeometry LayOutChart(const ChartRect& area, int textHeight, int periods, int slotCount,
                          double labelRoom = 0);

// Pixels per value unit for a scale; 0 for a scale that spans nothing.
double PixelsPerUnit(const ChartGeometry& geometry, const ValueScale& scale);

// One inner grid line: its height above the floor's front edge and its value.
struct GridLine {
    int offset = 0;  // yi, in pixels
    double value = 0;
};
// The lines between the floor and the top of the back wall (none for fewer
// than two divisions).
std::vector<GridLine> GridLines(const ChartGeometry& geometry, const ValueScale& scale);

// The front face of every cell, indexed like the cells (the hit rectangles),
// for bars pixelsPerUnit tall per value unit. Layers stack from the floor; a
// layer lower than a pixel has a flat face.
std::vector<ChartRect> BarFaces(const ChartContent& content, const ChartGeometry& geometry,
                                double pixelsPerUnit);

// The automatic scale with room for the legend box in the top right corner:
// as many more divisions as the bars reaching under the box need to stay
// below it. A box so tall that the bars would keep less than half the wall is
// left over them; a scale without divisions is returned as it is.
ValueScale ClearOfLegend(const ChartContent& content, const ChartGeometry& geometry,
                         ValueScale scale, const ChartRect& legend);

// Where a period's label goes: the label is `right - left` wide, centred under
// its period and moved inside the drawing rectangle where it would stick out.
struct PeriodLabelPlace {
    int period = 0;
    int left = 0;
    int right = 0;
    bool operator==(const PeriodLabelPlace&) const = default;
};
// The labels of every n-th period from the first, n as small as keeps each
// label at least `gap` pixels clear of the next; `widths` holds the measured
// width of each period's label (missing ones count as 0).
std::vector<PeriodLabelPlace> PlacePeriodLabels(const ChartGeometry& geometry, int periods,
                                                const std::vector<int>& widths, int gap);

// The widths of the chart's texts as the drawing's font measures them.
struct ChartTextWidths {
    std::function<int(double value)> valueLabel;  // empty: the labels take no room
    std::vector<int> periodLabels;                // one per period
};

// Everything one drawing of the chart needs besides its content and fonts.
struct ChartLayout {
    ChartGeometry geometry;
    ValueScale scale;  // as drawn: worked out when the setting is automatic
    double pixelsPerUnit = 0;
    std::vector<GridLine> grid;
    std::vector<ChartRect> faces;  // the front face of every cell
    std::vector<PeriodLabelPlace> periodLabels;
};
// `legend` is the legend box, empty when there is none. The margin left of
// the floor is as wide as the widest value label needs, so none is cut.
ChartLayout LayOutChartContent(const ChartContent& content, const ChartRect& area, int textHeight,
                               const ValueScale& setting, const ChartRect& legend = {},
                               const ChartTextWidths& widths = {});

// The cell under the point: the first bar (periods outer, slotCount inner) whose
// bottom layer spans x, then the first of its layers holding the point.
struct CellRef {
    int period = 0;
    int slot = 0;
    int layer = 0;
    bool operator==(const CellRef&) const = default;
};
std::optional<CellRef> HitCell(const ChartContent& content, const std::vector<ChartRect>& faces,
                               int x, int y);

// "period : slot : cell : value", leaving out the labels a slot or cell lacks.
std::string StatusText(const ChartContent& content, const CellRef& cell,
                       const std::function<std::string(double)>& formatValue);

}  // namespace kadenzo
