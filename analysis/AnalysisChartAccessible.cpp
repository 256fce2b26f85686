#include "AnalysisChartAccessible.h"

#include "AnalysisChart.h"
#include "ChartTableAccessible.h"
#include "CoreText.h"

namespace kadenzo {
namespace {

QString BarName(const CAnalysisChart& chart, int s) {
    const std::string& label = chart.Content().SlotAt(s).label;
    return label.empty() ? chart.UnnamedBarText() : FromBytes(label);
}

class AnalysisChartAccessible : public ChartTableAccessible {
public:
    explicit AnalysisChartAccessible(CAnalysisChart* chart) : ChartTableAccessible(chart, true) {
        QObject::connect(chart, &CAnalysisChart::contentChanged, chart,
                         [chart] { ContentChanged(chart); });
    }

    int rowCount() const override { return Chart()->Content().Periods(); }
    int columnCount() const override { return Chart()->Bars(); }
    QString rowDescription(int row) const override {
        return FromBytes(Chart()->Content().PeriodLabel(row));
    }
    QString columnDescription(int column) const override { return BarName(*Chart(), column); }
    QString CellText(int row, int column) const override {
        return Chart()->FormatValue(Chart()->Content().ColumnSum(row, column));
    }
    // The bar's front faces, from its lowest layer to its top.
    QRect CellRect(int row, int column) const override {
        QRect bar;
        const ChartContent& content = Chart()->Content();
        for (int l = 0; l < content.Layers(); ++l) {
            const std::size_t index = content.CellIndex(row, column, l);
            if (index >= Chart()->HitRects().size()) break;
            const ChartRect& face = Chart()->HitRects()[index];
            if (face.Width() > 0 && face.Height() > 0)
                bar |= QRect(face.left, face.top, face.Width(), face.Height());
        }
        return bar;
    }
    std::optional<std::pair<int, int>> CellAtPoint(QPoint point) const override {
        const std::optional<CellRef> hit =
            HitCell(Chart()->Content(), Chart()->HitRects(), point.x(), point.y());
        if (!hit) return std::nullopt;
        return std::make_pair(hit->period, hit->slot);
    }
    std::optional<std::pair<int, int>> CurrentCell() const override { return Chart()->CurrentBar(); }

private:
    CAnalysisChart* Chart() const { return static_cast<CAnalysisChart*>(widget()); }
};

QAccessibleInterface* AnalysisChartFactory(const QString&, QObject* object) {
    if (auto* chart = qobject_cast<CAnalysisChart*>(object)) return new AnalysisChartAccessible(chart);
    return nullptr;
}

}  // namespace

void InstallAnalysisChartAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(AnalysisChartFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace kadenzo
