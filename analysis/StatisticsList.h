#pragma once

#include <QIcon>
#include <QTreeWidget>
#include <map>
#include <vector>

#include "SportStatistics.h"
#include "Texts.h"

namespace kadenzo {

struct UnitSettings;

// The sorted column of each statistics dialog, kept while the program runs,
// so a dialog opened again sorts as it was left.
struct StatisticsSortStates {
    SortState statistics;
    SortState detail;
};

// The list of the statistics dialogs (control 1042): a name column with the
// sport's picture and four figure columns (distance, hours, speed, heart
// rate) that share the width as the dialog grows. A click on a header sorts
// by that column, a second click turns the direction.
class CStatisticsList : public QTreeWidget {
    Q_OBJECT

public:
    CStatisticsList(SortState& sort, const UnitSettings& units, const TextService& texts,
                    QWidget* parent = nullptr);

    // The headings: the first column's text and the text of the speed column.
    void SetColumns(const QString& first, const QString& speed);
    // Shows the rows, sorted as the list is sorted.
    void SetRows(std::vector<StatisticsRow> rows);
    // The rows in the order shown.
    const std::vector<StatisticsRow>& Rows() const { return rows_; }
    const StatisticsRow* SelectedRow() const;
    // What a click on the header of column c does.
    void SortBy(int column);
    // A width at which every column shows its whole heading, the figure
    // columns evenly spread where that is not too wide.
    int ComfortableWidth() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fill();
    void SpreadColumns();
    // What each column needs for its heading, with its margins and sort mark.
    std::vector<int> NeededWidths() const;
    void ShowSortMark();
    QIcon SportIcon(std::uint32_t iconId);

    SortState& sort_;
    const UnitSettings& units_;
    TextService texts_;
    QStringList headings_;
    std::vector<StatisticsRow> rows_;
    std::map<std::uint32_t, QIcon> icons_;
};

// The first width of a statistics dialog: at least `least`, `wanted` when
// the dialog's screen has room for it.
int FittingWidth(const QWidget& dialog, int least, int wanted);

}  // namespace kadenzo
