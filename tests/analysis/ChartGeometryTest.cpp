// The chart's arithmetic: automatic scale, grid, bar faces, hit testing, the
// status text and how values read.
#include <gtest/gtest.h>

#include <cmath>

#include "ChartContent.h"
#include "ChartGeometry.h"
#include "ChartValueFormat.h"
#include "Formats.h"

namespace kadenzo {
namespace {

TEST(ChartScaleTest, AutomaticScale) {
    // 37 hours with room for five divisions: 7.4 rounds up to 10.
    const ValueScale scale = AutoScale(37, 5 * 70 + 20);
    EXPECT_EQ(scale.step, 10.0);
    EXPECT_EQ(scale.divisions, 4);

    ChartGeometry g = LayOutChart({0, 0, 800, 600}, 20, 4, 15);
    std::vector<double> values;
    for (const GridLine& line : GridLines(g, scale)) values.push_back(line.value);
    EXPECT_EQ(values, (std::vector<double>{10, 20, 30}));  // none at the top, 40
    EXPECT_DOUBLE_EQ(PixelsPerUnit(g, scale), g.WallHeight() / 40);

    // A wall lower than 70 pixels still gets one division; no data gets none.
    EXPECT_EQ(AutoScale(37, 30).divisions, 1);
    EXPECT_EQ(AutoScale(37, 30).step, 50.0);
    EXPECT_EQ(AutoScale(37, 5000).step, 5.0);  // at most ten divisions
    for (double peak : {0.0, -3.0, std::nan("")}) {
        const ValueScale none = AutoScale(peak, 400);
        EXPECT_EQ(none.divisions, 0);
        EXPECT_TRUE(GridLines(g, none).empty());
        EXPECT_EQ(PixelsPerUnit(g, none), 0.0);
    }
    EXPECT_EQ(PixelsPerUnit(g, {3, 0.0, false}), 0.0);  // a manual step of 0
}

TEST(ChartGeometryTest, PeriodsAreOneBarWiderThanTheirSlots) {
    ChartContent content;
    content.SetDimensions(12, 5, 1);
    const ChartGeometry g = LayOutChart({10, 10, 1010, 610}, 20, 12, 5);
    EXPECT_DOUBLE_EQ(g.periodWidth, 6 * g.u);
    EXPECT_DOUBLE_EQ(g.chartWidth, 12 * g.periodWidth);
    const std::vector<ChartRect> faces = BarFaces(content, g, 1.0);
    // Half a bar of space before the first bar of each period.
    const ChartRect& first = faces[content.CellIndex(1, 0, 0)];
    EXPECT_EQ(first.left, static_cast<int>(g.x0 + 0.5 * g.dx + g.periodWidth + 0.5 * g.u));
    EXPECT_EQ(faces[content.CellIndex(1, 4, 0)].left,
              static_cast<int>(g.x0 + 0.5 * g.dx + g.periodWidth + 4.5 * g.u));
}

TEST(ChartGeometryTest, StacksAndHits) {
    ChartContent content;
    content.SetDimensions(2, 2, 3);
    content.SetValue(1, 1, 0, 10);
    content.SetValue(1, 1, 1, 0.4);  // under a pixel: flat
    content.SetValue(1, 1, 2, 5);
    EXPECT_EQ(content.Peak(), 15.4);
    const ChartGeometry g = LayOutChart({0, 0, 600, 400}, 16, 2, 2);
    const std::vector<ChartRect> faces = BarFaces(content, g, 2.0);
    const ChartRect low = faces[content.CellIndex(1, 1, 0)];
    const ChartRect flat = faces[content.CellIndex(1, 1, 1)];
    const ChartRect top = faces[content.CellIndex(1, 1, 2)];
    EXPECT_EQ(low.Height(), 20);
    EXPECT_EQ(flat.Height(), 0);
    EXPECT_EQ(flat.bottom, low.top);
    EXPECT_EQ(top.bottom, low.top);
    EXPECT_EQ(top.Height(), 10);

    const int x = (low.left + low.right) / 2;
    EXPECT_EQ(HitCell(content, faces, x, low.top + 1), (CellRef{1, 1, 0}));
    EXPECT_EQ(HitCell(content, faces, x, top.top), (CellRef{1, 1, 2}));
    EXPECT_FALSE(HitCell(content, faces, x, top.top - 1));         // above the bar
    EXPECT_FALSE(HitCell(content, faces, low.left, low.top + 1));  // edges are outside
    // An empty bar still has its flat faces; nothing hits them.
    const ChartRect empty = faces[content.CellIndex(0, 0, 0)];
    EXPECT_EQ(empty.Height(), 0);
    EXPECT_FALSE(HitCell(content, faces, (empty.left + empty.right) / 2, empty.top));
}

TEST(ChartGeometryTest, AnAutomaticScaleKeepsTheBarsUnderTheLegendBelowIt) {
    const ChartRect area{0, 0, 800, 600};
    const ChartRect legend{600, 16, 784, 200};
    ChartContent content;
    content.SetDimensions(4, 2, 1);
    for (int p = 0; p < 4; ++p) content.SetValue(p, 0, 0, 10);
    content.SetValue(3, 1, 0, 37);  // the peak, in the right-hand corner

    const ChartLayout plain = LayOutChartContent(content, area, 16, ValueScale{});
    const ChartLayout cleared = LayOutChartContent(content, area, 16, ValueScale{}, legend);
    EXPECT_EQ(cleared.scale.step, plain.scale.step);
    EXPECT_GT(cleared.scale.divisions, plain.scale.divisions);
    EXPECT_TRUE(cleared.scale.automatic);
    const ChartRect peak = cleared.faces[content.CellIndex(3, 1, 0)];
    EXPECT_GE(peak.top - cleared.geometry.dy, legend.bottom);
    EXPECT_LT(plain.faces[content.CellIndex(3, 1, 0)].top, legend.bottom);

    // The peak far from the box leaves the scale alone, as do a manual scale
    // and a box too tall to leave the bars half the wall.
    ChartContent left = content;
    left.SetValue(3, 1, 0, 1);
    left.SetValue(0, 1, 0, 37);
    EXPECT_EQ(LayOutChartContent(left, area, 16, ValueScale{}, legend).scale.divisions,
              LayOutChartContent(left, area, 16, ValueScale{}).scale.divisions);
    const ValueScale manual{4, 10, false};
    EXPECT_EQ(LayOutChartContent(content, area, 16, manual, legend).scale.divisions, 4);
    EXPECT_EQ(LayOutChartContent(content, area, 16, ValueScale{}, {600, 16, 784, 400}).scale,
              plain.scale);
    // No data: nothing to clear.
    EXPECT_EQ(LayOutChartContent(ChartContent{}, area, 16, ValueScale{}, legend).scale.divisions,
              0);
}

TEST(ChartGeometryTest, StatusTextNamesWhatIsLabelled) {
    ChartContent content;
    content.SetDimensions(1, 2, 1);
    content.SetPeriodLabel(0, "W11/24");
    content.SetSlotLabel(0, "Running");
    content.SetCellLabel(0, 0, 0, "Trail");
    content.SetValue(0, 0, 0, 1.5);
    auto hours = [](double v) { return FormatChartValue(v, false, ""); };
    EXPECT_EQ(StatusText(content, {0, 0, 0}, hours), "W11/24 : Running : Trail : 1:30");
    EXPECT_EQ(StatusText(content, {0, 1, 0}, hours), "W11/24 : 0:00");
}

TEST(ChartContentTest, DefaultColoursAndDimensions) {
    ChartContent content;
    content.SetDimensions(1, 13, 1);
    EXPECT_EQ(content.SlotAt(0).colour, 0xFF9999u);
    EXPECT_EQ(content.SlotAt(10).colour, 0x999999u);
    EXPECT_EQ(content.SlotAt(11).colour, 0x000000u);
    content.SetDimensions(-1, 4, 2);
    EXPECT_EQ(content.CellCount(), 0u);
    EXPECT_EQ(content.Peak(), 0.0);
}

TEST(ChartValueFormatTest, HoursAndDistances) {
    struct Case {
        double value;
        bool distance;
        const char* expected;
    };
    const Case cases[] = {
        {1.5, false, "1:30"},   {1.999, false, "1:59"},  // minutes are cut
        {0, false, "0:00"},     {12.04, true, "12km"},  {12.5, true, "12.5km"},
        {12.1, true, "12.1km"}, {0.09, true, "0km"},    {std::nan(""), false, "0:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(FormatChartValue(c.value, c.distance, "km"), c.expected);
    }
    EXPECT_EQ(FormatFixed(1234.56, 1), "1234.6");
}

}  // namespace
}  // namespace kadenzo
