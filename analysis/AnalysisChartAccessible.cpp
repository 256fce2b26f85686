#include "AnalysisChartAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <map>
#include <tuple>

#include "AnalysisChart.h"
#include "CoreText.h"

namespace kadenzo {
namespace {

enum class CellKind { Sum, RowHeader, ColumnHeader };

// The bars a period holds: every slot up to the last one with a name or a
// sum (the slots after it stay empty); the chart of totals has its one bar.
int BarCount(const ChartContent& content) {
    int count = content.Slots() == 1 ? 1 : 0;
    for (int s = 0; s < content.Slots(); ++s) {
        bool used = !content.SlotAt(s).label.empty();
        for (int p = 0; p < content.Periods() && !used; ++p) used = content.ColumnSum(p, s) != 0;
        if (used) count = s + 1;
    }
    return count;
}

QString BarName(const CAnalysisChart& chart, int s) {
    const std::string& label = chart.Content().SlotAt(s).label;
    return label.empty() ? chart.UnnamedBarText() : FromBytes(label);
}

class ChartCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    ChartCellAccessible(CAnalysisChart* chart, CellKind kind, int row, int column)
        : chart_(chart), kind_(kind), row_(row), column_(column) {}

    bool isValid() const override { return chart_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        const QAccessibleInterface* chart = table();
        return chart ? chart->window() : nullptr;
    }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override {
        return kind_ == CellKind::Sum         ? QAccessible::Cell
               : kind_ == CellKind::RowHeader ? QAccessible::RowHeader
                                              : QAccessible::ColumnHeader;
    }
    QString text(QAccessible::Text t) const override {
        if (!chart_ || t != QAccessible::Name) return {};
        const ChartContent& content = chart_->Content();
        switch (kind_) {
            case CellKind::RowHeader:
                return FromBytes(content.PeriodLabel(row_));
            case CellKind::ColumnHeader:
                return BarName(*chart_, column_);
            case CellKind::Sum:
                return chart_->FormatValue(content.ColumnSum(row_, column_));
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    // The bar's front faces, from its lowest layer to its top.
    QRect rect() const override {
        if (!chart_ || kind_ != CellKind::Sum) return {};
        QRect bar;
        const ChartContent& content = chart_->Content();
        for (int l = 0; l < content.Layers(); ++l) {
            const std::size_t index = content.CellIndex(row_, column_, l);
            if (index >= chart_->HitRects().size()) break;
            const ChartRect& face = chart_->HitRects()[index];
            if (face.Width() > 0 && face.Height() > 0)
                bar |= QRect(face.left, face.top, face.Width(), face.Height());
        }
        return bar.isEmpty() ? bar : bar.translated(chart_->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface && kind_ == CellKind::Sum
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return QAccessible::queryAccessibleInterface(chart_.data());
    }

private:
    QPointer<CAnalysisChart> chart_;
    CellKind kind_;
    int row_;
    int column_;
};

class AnalysisChartAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit AnalysisChartAccessible(CAnalysisChart* chart)
        : QAccessibleWidget(chart, QAccessible::Table) {
        QObject::connect(chart, &CAnalysisChart::contentChanged, chart, [chart] {
            if (!QAccessible::isActive()) return;
            if (auto* self =
                    dynamic_cast<AnalysisChartAccessible*>(QAccessible::queryAccessibleInterface(chart)))
                self->Reset();
        });
    }
    ~AnalysisChartAccessible() override { DropCells(); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override {
        const int columns = columnCount();
        if (index < 0 || index >= childCount()) return nullptr;
        return cellAt(index / columns, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [key, id] : cells_)
            if (std::get<0>(key) == CellKind::Sum && QAccessible::accessibleInterface(id) == child)
                return std::get<1>(key) * columnCount() + std::get<2>(key);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint point = Chart()->mapFromGlobal(QPoint(x, y));
        const ChartContent& content = Chart()->Content();
        const std::optional<CellRef> hit =
            HitCell(content, Chart()->HitRects(), point.x(), point.y());
        return hit && hit->slot < columnCount() ? cellAt(hit->period, hit->slot) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
        return Cell(CellKind::Sum, row, column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return BarName(*Chart(), column); }
    QString rowDescription(int row) const override {
        return FromBytes(Chart()->Content().PeriodLabel(row));
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return BarCount(Chart()->Content()); }
    int rowCount() const override { return Chart()->Content().Periods(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { DropCells(); }

    QAccessibleInterface* Cell(CellKind kind, int row, int column) const {
        const auto key = std::make_tuple(kind, row, column);
        auto found = cells_.find(key);
        if (found == cells_.end())
            found = cells_.emplace(key, QAccessible::registerAccessibleInterface(new ChartCellAccessible(
                                            Chart(), kind, row, column)))
                        .first;
        return QAccessible::accessibleInterface(found->second);
    }

private:
    CAnalysisChart* Chart() const { return static_cast<CAnalysisChart*>(widget()); }

    void DropCells() {
        for (const auto& [key, id] : cells_) QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }
    // New sums: every cell is another one now.
    void Reset() {
        QAccessibleTableModelChangeEvent event(Chart(), QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&event);
        DropCells();
    }

    mutable std::map<std::tuple<CellKind, int, int>, QAccessible::Id> cells_;
};

AnalysisChartAccessible* TableOf(QAccessibleInterface* chart) {
    return dynamic_cast<AnalysisChartAccessible*>(chart);
}

QList<QAccessibleInterface*> ChartCellAccessible::columnHeaderCells() const {
    AnalysisChartAccessible* chart = TableOf(table());
    if (!chart) return {};
    return {chart->Cell(CellKind::ColumnHeader, -1, column_)};
}

QList<QAccessibleInterface*> ChartCellAccessible::rowHeaderCells() const {
    AnalysisChartAccessible* chart = TableOf(table());
    if (!chart) return {};
    return {chart->Cell(CellKind::RowHeader, row_, -1)};
}

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
