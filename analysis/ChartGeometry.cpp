#include "ChartGeometry.h"

#include <algorithm>
#include <cmath>

#include "ChartContent.h"
#include "NiceStep.h"

namespace kadenzo {
namespace {

// Heights beyond this are cut, so that a tiny manual step cannot overflow
// the integer coordinates; the drawing is clipped to its rectangle anyway.
constexpr double kTallest = 1.0e6;

int Trunc(double value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<int>(std::clamp(value, -2.0e9, 2.0e9));
}

}  // namespace

ValueScale AutoScale(double peak, double wallHeight) {
    ValueScale scale;
    if (!(peak > 0) || !std::isfinite(peak)) return scale;
    const int wanted = std::clamp(Trunc(wallHeight / 70), 1, 10);
    scale.step = NiceStep(peak / wanted);
    if (!(scale.step > 0)) return {};
    scale.divisions = Trunc(std::ceil(peak / scale.step));
    return scale;
}

ChartGeometry LayOutChart(const ChartRect& area, int textHeight, int periods, int slotCount,
                          double labelRoom) {
    static const double cos1 = std::cos(1.0);
    static const double sin1 = std::sin(1.0);
    ChartGeometry g;
    g.area = area;
    g.textHeight = textHeight;
    const double w = area.Width();
    const double h = area.Height();
    g.margin = 0.05 * w;
    if (std::isfinite(labelRoom))
        g.margin = std::clamp(labelRoom, g.margin, std::max(g.margin, w / 2));
    g.plotHeight = h - 1.3 * textHeight;
    g.baseY = area.top + g.plotHeight;
    g.x0 = area.left + g.margin;
    const double columns = std::max(periods, 0) * (std::max(slotCount, 0) + 1.0) + 1.4 * cos1;
    g.u = (w - g.margin) / columns;
    g.periodWidth = (std::max(slotCount, 0) + 1) * g.u;
    g.dx = 0.7 * g.u * cos1;
    g.dy = 0.7 * g.u * sin1;
    g.chartWidth = std::max(periods, 0) * g.periodWidth;
    return g;
}

double PixelsPerUnit(const ChartGeometry& geometry, const ValueScale& scale) {
    const double top = scale.divisions * scale.step;
    if (!(top > 0) || !std::isfinite(top)) return 0;
    return std::max(geometry.WallHeight(), 0.0) / top;
}

std::vector<GridLine> GridLines(const ChartGeometry& geometry, const ValueScale& scale) {
    std::vector<GridLine> lines;
    if (PixelsPerUnit(geometry, scale) <= 0) return lines;
    for (int i = 1; i < scale.divisions; ++i) {
        const int offset = Trunc(i * geometry.WallHeight() / scale.divisions);
        lines.push_back({offset, i * scale.step});
    }
    return lines;
}

std::vector<ChartRect> BarFaces(const ChartContent& content, const ChartGeometry& g,
                                double pixelsPerUnit) {
    std::vector<ChartRect> faces(content.CellCount());
    const int floor = Trunc(g.baseY - 0.5 * g.dy);
    for (int p = 0; p < content.Periods(); ++p) {
        for (int s = 0; s < content.Slots(); ++s) {
            const double left = g.x0 + 0.5 * g.dx + p * g.periodWidth + 0.5 * g.u + s * g.u;
            int bottom = floor;
            for (int l = 0; l < content.Layers(); ++l) {
                const double value = content.CellAt(p, s, l).value;
                const int height = Trunc(std::clamp(pixelsPerUnit * value, -kTallest, kTallest));
                ChartRect face{Trunc(left), bottom - height, Trunc(left + g.u), bottom};
                // A negative value would hang below the floor; the face is
                // normalised all the same.
                if (face.top > face.bottom) std::swap(face.top, face.bottom);
                faces[content.CellIndex(p, s, l)] = face;
                bottom -= height;
            }
        }
    }
    return faces;
}

ValueScale ClearOfLegend(const ChartContent& content, const ChartGeometry& g, ValueScale scale,
                         const ChartRect& legend) {
    if (legend.Width() <= 0 || legend.Height() <= 0 || scale.divisions <= 0 || !(scale.step > 0))
        return scale;
    // The tallest stack whose front or side face reaches under the box.
    double under = 0;
    for (int p = 0; p < content.Periods(); ++p) {
        for (int s = 0; s < content.Slots(); ++s) {
            const double left = g.x0 + 0.5 * g.dx + p * g.periodWidth + 0.5 * g.u + s * g.u;
            if (left + g.u + g.dx <= legend.left || left >= legend.right) continue;
            double stack = 0;
            for (int l = 0; l < content.Layers(); ++l)
                stack += std::max(content.CellAt(p, s, l).value, 0.0);
            under = std::max(under, stack);
        }
    }
    if (!(under > 0) || !std::isfinite(under)) return scale;
    const double wall = g.WallHeight();
    // From the foot of the stacks up to half a line below the box, less the
    // top face.
    const double room = g.baseY - 1.5 * g.dy - legend.bottom - 0.5 * g.textHeight;
    if (room < wall / 2) return scale;
    scale.divisions =
        std::max(scale.divisions, Trunc(std::ceil(under * wall / (room * scale.step))));
    return scale;
}

std::vector<PeriodLabelPlace> PlacePeriodLabels(const ChartGeometry& g, int periods,
                                                const std::vector<int>& widths, int gap) {
    auto widthOf = [&widths](int p) {
        return p < static_cast<int>(widths.size()) ? std::max(widths[p], 0) : 0;
    };
    std::vector<PeriodLabelPlace> places;
    for (int every = 1; every <= std::max(periods, 1); ++every) {
        places.clear();
        bool clear = true;
        for (int p = 0; p < periods && clear; p += every) {
            const int width = widthOf(p);
            const double centre = g.x0 + (p + 0.5) * g.periodWidth;
            int left = Trunc(centre - width / 2.0);
            left = std::max(std::min(left, g.area.right - width), g.area.left);
            if (!places.empty() && places.back().right + gap > left) clear = false;
            places.push_back({p, left, left + width});
        }
        if (clear) break;
    }
    return places;
}

ChartLayout LayOutChartContent(const ChartContent& content, const ChartRect& area, int textHeight,
                               const ValueScale& setting, const ChartRect& legend,
                               const ChartTextWidths& widths) {
    ChartLayout layout;
    // A wider margin makes the bars narrower and the wall taller, which may
    // change the scale and so the labels: widen until the widest one fits.
    double labelRoom = 0;
    for (int pass = 0; pass < 8; ++pass) {
        layout.geometry =
            LayOutChart(area, textHeight, content.Periods(), content.Slots(), labelRoom);
        layout.scale = setting;
        if (setting.automatic) {
            layout.scale =
                ClearOfLegend(content, layout.geometry,
                              AutoScale(content.Peak(), layout.geometry.WallHeight()), legend);
            layout.scale.automatic = true;
        }
        layout.pixelsPerUnit = PixelsPerUnit(layout.geometry, layout.scale);
        layout.grid = GridLines(layout.geometry, layout.scale);
        if (!widths.valueLabel) break;
        int widest = 0;
        for (const GridLine& line : layout.grid)
            widest = std::max(widest, widths.valueLabel(line.value));
        // The labels end a fifth of a line left of the floor and keep as
        // much from the edge.
        const double needed = widest + 0.4 * textHeight + 1;
        if (needed <= layout.geometry.margin || needed <= labelRoom) break;
        labelRoom = needed;
    }
    layout.faces = BarFaces(content, layout.geometry, layout.pixelsPerUnit);
    layout.periodLabels = PlacePeriodLabels(layout.geometry, content.Periods(), widths.periodLabels,
                                            std::max(textHeight / 2, 1));
    return layout;
}

std::optional<CellRef> HitCell(const ChartContent& content, const std::vector<ChartRect>& faces,
                               int x, int y) {
    if (content.Layers() == 0 || faces.size() != content.CellCount()) return std::nullopt;
    for (int p = 0; p < content.Periods(); ++p) {
        for (int s = 0; s < content.Slots(); ++s) {
            const ChartRect& base = faces[content.CellIndex(p, s, 0)];
            if (!(base.left < x && x < base.right)) continue;
            for (int l = 0; l < content.Layers(); ++l) {
                if (faces[content.CellIndex(p, s, l)].Contains(x, y)) return CellRef{p, s, l};
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::string StatusText(const ChartContent& content, const CellRef& cell,
                       const std::function<std::string(double)>& formatValue) {
    std::string text = content.PeriodLabel(cell.period) + " : ";
    const std::string& slot = content.SlotAt(cell.slot).label;
    if (!slot.empty()) text += slot + " : ";
    const ChartContent::Cell& c = content.CellAt(cell.period, cell.slot, cell.layer);
    if (!c.label.empty()) text += c.label + " : ";
    return text + formatValue(c.value);
}

}  // namespace kadenzo
