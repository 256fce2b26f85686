#pragma once

#include <QFont>
#include <QWidget>

#include "WeekTotals.h"

namespace kadenzo {

class CKadenzoDoc;

// The right end of a diary row: the week's planned and performed minutes,
// and a mark when the plan of the week ramps up faster than the body adapts.
// It takes the keyboard focus from the diary view (Tab), which moves it
// between the weeks.
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
    // The week holds a ramp day of the plan.
    void SetRamp(bool ramp);
    bool Ramp() const { return ramp_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void PaintRampMark(QPainter& painter, const QRect& header) const;

    const CKadenzoDoc& document_;
    int weekStart_ = 0;
    WeekTotals totals_;
    bool ramp_ = false;
    QFont boldFont_;
};

}  // namespace kadenzo
