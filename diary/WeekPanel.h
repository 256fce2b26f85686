#pragma once

#include <QFont>
#include <QWidget>

#include "WeekTotals.h"

namespace kadenzo {

class CKadenzoDoc;

// The right end of a diary row: the week's planned and performed minutes.
class CWeekPanel : public QWidget {
    Q_OBJECT

public:
    explicit CWeekPanel(const CKadenzoDoc& document, QWidget* parent = nullptr);

    void SetWeekStart(int mondayDayNumber) { weekStart_ = mondayDayNumber; }
    int WeekStart() const { return weekStart_; }
    const CKadenzoDoc& Document() const { return document_; }
    // Sums the week's workouts of the document's training log, then repaints.
    void RecomputeTotals();
    const WeekTotals& Totals() const { return totals_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CKadenzoDoc& document_;
    int weekStart_ = 0;
    WeekTotals totals_;
    QFont boldFont_;
};

}  // namespace kadenzo
