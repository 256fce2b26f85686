#include "FormChartAccessible.h"

#include "ChartTableAccessible.h"
#include "CoreText.h"
#include "DateTime.h"
#include "FormChart.h"
#include "Formats.h"

namespace kadenzo {
namespace {

constexpr int kColumns = CFormChart::kColumns;

class FormChartAccessible : public ChartTableAccessible {
public:
    explicit FormChartAccessible(CFormChart* chart) : ChartTableAccessible(chart, true) {
        QObject::connect(chart, &CFormChart::contentChanged, chart,
                         [chart] { ContentChanged(chart); });
    }

    int rowCount() const override { return static_cast<int>(Chart()->Data().series.size()); }
    int columnCount() const override { return kColumns; }
    QString rowDescription(int row) const override { return FormCellText(*Chart(), row, 0); }
    QString columnDescription(int column) const override {
        const QStringList& columns = Chart()->Texts().columns;
        return column >= 0 && column < columns.size() ? columns[column] : QString();
    }
    QString CellText(int row, int column) const override {
        return FormCellText(*Chart(), row, column);
    }
    // The day's column of the chart.
    QRect CellRect(int row, int) const override {
        const FormChartLayout& layout = Chart()->Layout();
        const QRectF column(layout.lines.left + row * layout.dayWidth, layout.lines.top,
                            layout.dayWidth, layout.loads.bottom - layout.lines.top);
        return column.toAlignedRect();
    }
    std::optional<std::pair<int, int>> CurrentCell() const override {
        const std::optional<int> row = Chart()->CurrentRow();
        if (!row) return std::nullopt;
        return std::make_pair(*row, Chart()->CurrentColumn());
    }
    std::optional<std::pair<int, int>> CellAtPoint(QPoint point) const override {
        const std::optional<int> day = Chart()->DayAt(point);
        if (!day) return std::nullopt;
        return std::make_pair(*day - Chart()->Data().days.firstDay, 0);
    }

private:
    CFormChart* Chart() const { return static_cast<CFormChart*>(widget()); }
};

QAccessibleInterface* FormChartFactory(const QString&, QObject* object) {
    if (auto* chart = qobject_cast<CFormChart*>(object)) return new FormChartAccessible(chart);
    return nullptr;
}

}  // namespace

QString FormCellText(const CFormChart& chart, int row, int column) {
    const FormChartData& data = chart.Data();
    if (row < 0 || row >= static_cast<int>(data.series.size())) return {};
    const FormDay& day = data.series[static_cast<std::size_t>(row)];
    const FormFigures figures = RoundedFigures(day);
    // Past the plan's end nothing is projected, as the chart shows.
    if (day.afterPlan && column > 0) return {};
    switch (column) {
        case 0: {
            const std::optional<DateParts> parts = PartsFromDateTime(NoonOfDayNumber(day.day));
            return parts ? FromBytes(FormatDate(*parts)) : QString();
        }
        case 1:
            return QString::number(figures.load);
        case 2:
            return QString::number(figures.fitness);
        case 3:
            return QString::number(figures.fatigue);
        case 4:
            return QString::number(figures.form);
        default:
            return {};
    }
}

void InstallFormChartAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(FormChartFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace kadenzo
