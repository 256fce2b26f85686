#include "FormChartAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <map>

#include "CoreText.h"
#include "DateTime.h"
#include "FormChart.h"
#include "Formats.h"

namespace kadenzo {
namespace {

constexpr int kColumns = 5;

class FormCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    FormCellAccessible(CFormChart* chart, int row, int column)
        : chart_(chart), row_(row), column_(column) {}

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
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QString text(QAccessible::Text t) const override {
        return chart_ && t == QAccessible::Name ? FormCellText(*chart_, row_, column_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    // The day's column of the chart.
    QRect rect() const override {
        if (!chart_) return {};
        const FormChartLayout& layout = chart_->Layout();
        const QRectF column(layout.lines.left + row_ * layout.dayWidth, layout.lines.top,
                            layout.dayWidth, layout.loads.bottom - layout.lines.top);
        return column.toAlignedRect().translated(chart_->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return QAccessible::queryAccessibleInterface(chart_.data());
    }

private:
    QPointer<CFormChart> chart_;
    int row_;
    int column_;
};

class FormChartAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit FormChartAccessible(CFormChart* chart) : QAccessibleWidget(chart, QAccessible::Table) {
        QObject::connect(chart, &CFormChart::contentChanged, chart, [chart] {
            if (!QAccessible::isActive()) return;
            if (auto* self =
                    dynamic_cast<FormChartAccessible*>(QAccessible::queryAccessibleInterface(chart)))
                self->Reset();
        });
    }
    ~FormChartAccessible() override { DropCells(); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        return cellAt(index / kColumns, index % kColumns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [key, id] : cells_)
            if (QAccessible::accessibleInterface(id) == child)
                return key.first * kColumns + key.second;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const std::optional<int> day = Chart()->DayAt(Chart()->mapFromGlobal(QPoint(x, y)));
        return day ? cellAt(*day - Chart()->Data().days.firstDay, 0) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
        const auto key = std::make_pair(row, column);
        auto found = cells_.find(key);
        if (found == cells_.end())
            found = cells_
                        .emplace(key, QAccessible::registerAccessibleInterface(
                                          new FormCellAccessible(Chart(), row, column)))
                        .first;
        return QAccessible::accessibleInterface(found->second);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        const QStringList& columns = Chart()->Texts().columns;
        return column >= 0 && column < columns.size() ? columns[column] : QString();
    }
    QString rowDescription(int row) const override { return FormCellText(*Chart(), row, 0); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kColumns; }
    int rowCount() const override { return static_cast<int>(Chart()->Data().series.size()); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { DropCells(); }

private:
    CFormChart* Chart() const { return static_cast<CFormChart*>(widget()); }

    void DropCells() {
        for (const auto& [key, id] : cells_) QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }
    // Other days or figures: every cell is another one now.
    void Reset() {
        QAccessibleTableModelChangeEvent event(Chart(), QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&event);
        DropCells();
    }

    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
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
