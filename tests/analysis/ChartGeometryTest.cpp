// The chart's arithmetic: automatic scale, grid, bar faces, hit testing, the
// status text and how values read.
#include <gtest/gtest.h>

#include <cmath>

#include "ChartContent.h"
#include "ChartGeometry.h"
#include "ChartValueFormat.h"

namespace kadenzo {
namespace {

// A step of 1, 2 or 5 times a power of ten, at most one division per 70
// pixels of wall and at least one, at most ten.
TEST(ChartScaleTest, AutomaticScale) {
    struct Case {
        double peak, wall, step;
        int divisions;
    } const cases[] = {
        {37, 5 * 70 + 20, 10, 4},  // 7.4 rounds up to 10
        {25, 5 * 70, 5, 5},        // exactly 5 stays
        {15, 10 * 70, 2, 8},       // 1.5 rounds up to 2, not 5
        {37, 30, 50, 1},          {37, 5000, 5, 8},
        {0, 400, 0, 0},           {-3, 400, 0, 0},  // no data, no divisions
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.peak);
        const ValueScale scale = AutoScale(c.peak, c.wall);
        EXPECT_EQ(scale.step, c.step);
        EXPECT_EQ(scale.divisions, c.divisions);
    }
    ChartGeometry g = LayOutChart({0, 0, 800, 600}, 20, 4, 15);
    std::vector<double> values;
    for (const GridLine& line : GridLines(g, AutoScale(37, 370))) values.push_back(line.value);
    EXPECT_EQ(values, (std::vector<double>{10, 20, 30}));  // none at the top, 40
    EXPECT_DOUBLE_EQ(PixelsPerUnit(g, AutoScale(37, 370)), g.WallHeight() / 40);
    EXPECT_TRUE(GridLines(g, AutoScale(std::nan(""), 400)).empty());
    EXPECT_EQ(PixelsPerUnit(g, {3, 0.0, false}), 0.0);  // a manual step of 0
}

// Each period is its slots and half a bar either side; the floor and its
// depth fill the width right of the value labels.
TEST(ChartGeometryTest, PeriodsAreOneBarWiderThanTheirSlots) {
    const ChartGeometry g = LayOutChart({10, 10, 1010, 610}, 20, 12, 5);
    EXPECT_DOUBLE_EQ(g.periodWidth, 6 * g.u);
    EXPECT_DOUBLE_EQ(g.chartWidth, 12 * g.periodWidth);
    EXPECT_DOUBLE_EQ(g.x0 + g.chartWidth + 2 * g.dx, 1010);
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
}

TEST(ChartGeometryTest, TheMarginIsAsWideAsTheWidestValueLabel) {
    struct Case {
        const char* what;
        int width;
        double peak;
        ValueScale setting;
        int pixelsPerCharacter;
        bool wider;  // than the usual twentieth of the width
    } const cases[] = {
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
        EXPECT_DOUBLE_EQ(g.x0 + g.chartWidth + 2 * g.dx, area.right);
    }
}

// Every n-th label, n as small as keeps a gap between neighbours, each
// within the chart; a label is centred under its period unless that would
// push it out, and missing widths count as nothing.
TEST(ChartGeometryTest, PeriodLabelsNeverOverlap) {
    struct Case {
        const char* what;
        int periods, slots, labelWidth, expectedEvery;
    } const cases[] = {
        {"twelve months", 12, 5, 50, 1},
        {"fourteen dates", 14, 4, 70, 2},
        {"twenty-eight dates", 28, 2, 70, 3},
        {"no labels", 4, 1, 0, 1},
    };
    const int gap = 8;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ChartGeometry g = LayOutChart({0, 0, 1000, 600}, 16, c.periods, c.slots);
        const std::vector<PeriodLabelPlace> places =
            PlacePeriodLabels(g, c.periods, std::vector<int>(c.periods, c.labelWidth), gap);
        ASSERT_EQ(static_cast<int>(places.size()),
                  (c.periods + c.expectedEvery - 1) / c.expectedEvery);
        for (std::size_t i = 0; i < places.size(); ++i) {
            EXPECT_EQ(places[i].period, static_cast<int>(i) * c.expectedEvery);
            EXPECT_EQ(places[i].right - places[i].left, c.labelWidth);
            EXPECT_GE(places[i].left, 0);
            EXPECT_LE(places[i].right, 1000);
        }
        for (std::size_t i = 1; i < places.size(); ++i)
            EXPECT_GE(places[i].left - places[i - 1].right, gap);
    }
    const ChartGeometry g = LayOutChart({0, 0, 1000, 600}, 16, 2, 1);
    const std::vector<PeriodLabelPlace> two = PlacePeriodLabels(g, 2, {40}, 8);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].left, static_cast<int>(g.x0 + 0.5 * g.periodWidth - 20));
    EXPECT_EQ(two[1].right - two[1].left, 0);
    // Labels wider than the chart: only the first.
    const ChartGeometry three = LayOutChart({0, 0, 1000, 600}, 16, 3, 1);
    EXPECT_EQ(PlacePeriodLabels(three, 3, {2000, 2000, 2000}, 8).size(), 1u);
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

// Hours and minutes, the minutes cut after rounding to the millisecond;
// kilometres to a tenth, without a trailing zero.
TEST(ChartValueFormatTest, HoursAndDistances) {
    struct Case {
        double value;
        bool distance;
        const char* expected;
    } const cases[] = {
        {1.5, false, "1:30"},   {1.999, false, "1:59"}, {1.99999999999999, false, "2:00"},
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
