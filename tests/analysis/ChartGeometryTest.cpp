// The chart's arithmetic: automatic scale, grid, bar faces, hit testing, the
// status text and how values read.
#include <gtest/gtest.h>

#include <cmath>

#include "ChartContent.h"
#include "ChartGeometry.h"
#include "ChartValueFormat.h"

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
    EXPECT_EQ(AutoScale(15, 10 * 70).step, 2.0);  // 1.5 rounds up to 2, not 5
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
    // The floor and its depth fill the width right of the value labels.
    EXPECT_DOUBLE_EQ(g.x0 + g.chartWidth + 2 * g.dx, 1010);
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

TEST(ChartGeometryTest, TheMarginIsAsWideAsTheWidestValueLabel) {
    struct Case {
        const char* what;
        int width;
        double peak;
        ValueScale setting;
        int pixelsPerCharacter;
        bool wider;  // than the usual twentieth of the width
    };
    const Case cases[] = {
        {"short hours", 1000, 3.5, {}, 8, false},
        {"a thousand kilometres", 1000, 1150, {}, 9, true},
        {"22.5 on a small chart", 300, 23, {2, 22.5, false}, 9, true},
        {"three divisions of 22.5", 400, 60, {3, 22.5, false}, 9, true},
        {"labels wider than half the chart", 300, 1e12, {}, 9, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ChartContent content;
        content.SetDimensions(5, 1, 1);
        content.SetValue(4, 0, 0, c.peak);
        ChartTextWidths widths;
        widths.valueLabel = [&c](double value) {
            return c.pixelsPerCharacter *
                   static_cast<int>(FormatChartValue(value, true, "km").size());
        };
        const ChartRect area{10, 10, 10 + c.width, 410};
        const int h = 16;
        const ChartLayout layout = LayOutChartContent(content, area, h, c.setting, {}, widths);
        const ChartGeometry& g = layout.geometry;
        ASSERT_FALSE(layout.grid.empty());
        EXPECT_EQ(g.margin > 0.05 * c.width, c.wider);
        EXPECT_LE(g.margin, c.width / 2.0);
        // Each label's room reaches from the area's left edge to a fifth of
        // a line before the floor; only past half the chart is one cut.
        if (g.margin >= c.width / 2.0) continue;
        for (const GridLine& line : layout.grid) {
            EXPECT_LE(widths.valueLabel(line.value), static_cast<int>(g.x0 - 0.2 * h) - area.left)
                << line.value;
        }
        // The bars fill what the margin leaves.
        EXPECT_DOUBLE_EQ(g.x0 + g.chartWidth + 1.4 * std::cos(1.0) * g.u, area.right);
    }
}

TEST(ChartGeometryTest, PeriodLabelsNeverOverlap) {
    struct Case {
        const char* what;
        int periods;
        int slots;
        int labelWidth;
        int expectedEvery;
    };
    const Case cases[] = {
        {"twelve months", 12, 5, 50, 1},
        {"fourteen dates", 14, 4, 70, 2},
        {"twenty-eight dates", 28, 2, 70, 3},
        {"labels wider than the chart", 3, 1, 2000, 3},
        {"no labels", 4, 1, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ChartGeometry g = LayOutChart({0, 0, 1000, 600}, 16, c.periods, c.slots);
        const int gap = 8;
        const std::vector<PeriodLabelPlace> places =
            PlacePeriodLabels(g, c.periods, std::vector<int>(c.periods, c.labelWidth), gap);
        ASSERT_FALSE(places.empty());
        EXPECT_EQ(places.front().period, 0);
        if (places.size() > 1) {
            EXPECT_EQ(places[1].period, c.expectedEvery);
        }
        EXPECT_EQ(static_cast<int>(places.size()),
                  (c.periods + c.expectedEvery - 1) / c.expectedEvery);
        for (std::size_t i = 0; i < places.size(); ++i) {
            EXPECT_EQ(places[i].right - places[i].left, c.labelWidth);
            if (c.labelWidth > 1000) continue;
            EXPECT_GE(places[i].left, 0);
            EXPECT_LE(places[i].right, 1000);
            if (i > 0) {
                EXPECT_GE(places[i].left - places[i - 1].right, gap);
            }
        }
    }
    // A label is centred under its period unless that would push it out of
    // the chart; missing widths count as nothing.
    const ChartGeometry g = LayOutChart({0, 0, 1000, 600}, 16, 2, 1);
    const std::vector<PeriodLabelPlace> two = PlacePeriodLabels(g, 2, {40}, 8);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].left, static_cast<int>(g.x0 + 0.5 * g.periodWidth - 20));
    EXPECT_EQ(two[1].right - two[1].left, 0);
    EXPECT_TRUE(PlacePeriodLabels(g, 0, {}, 8).empty());
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
    EXPECT_EQ(content.SlotAt(10).colour, 0x999999u);  // the last default colour
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
        {1.99999999999999, false, "2:00"},  // ... after rounding to the millisecond
        {0, false, "0:00"},     {12.04, true, "12km"},  {12.5, true, "12.5km"},
        {12.1, true, "12.1km"}, {0.09, true, "0km"},    {std::nan(""), false, "0:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(FormatChartValue(c.value, c.distance, "km"), c.expected);
    }
}

}  // namespace
}  // namespace kadenzo
