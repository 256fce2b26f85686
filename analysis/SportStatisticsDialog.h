#pragma once

#include <QDialog>

#include "SportStatistics.h"
#include "Texts.h"

class QDateEdit;
class QLabel;

namespace kadenzo {

class CKadenzoDoc;
class CStatisticsList;
struct StatisticsSortStates;
struct UnitSettings;

// Sport statistics (template 221): for the days from one date to another
// (1038, 1039; both today at first), one row per sport with distance, hours,
// average speed and heart rate, and the total hours with the hours per week
// (1048). A double click on a sport opens its details.
class CSportStatisticsDialog : public QDialog {
    Q_OBJECT

public:
    CSportStatisticsDialog(CKadenzoDoc& document, const UnitSettings& units,
                           StatisticsSortStates& sorts, int today, QWidget* parent = nullptr);

    void SetRange(int fromDay, int toDay);
    CStatisticsList* List() const { return list_; }
    QString SummaryText() const;
    // The sport detail dialog for a row's sport over the same days.
    void OpenDetail(const StatisticsRow& row);

private:
    void Recompute();

    CKadenzoDoc& document_;
    TextService texts_;
    const UnitSettings& units_;
    StatisticsSortStates& sorts_;
    QDateEdit* from_;
    QDateEdit* to_;
    QLabel* summary_;
    CStatisticsList* list_;
};

}  // namespace kadenzo
