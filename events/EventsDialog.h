#pragma once

#include <QDialog>

#include "EventsValues.h"
#include "Texts.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace kadenzo {

class CKadenzoDoc;
class CMonthCalendar;

// The calendar events (template 246): four months (calendar 1524) on which
// the user selects days, the event kind of the selected days (1105) and
// whether they are blocked for training (1020, three states while the days
// differ). OK stores the days, joined into periods, as one change.
class CEventsDialog : public QDialog {
    Q_OBJECT
public:
    explicit CEventsDialog(CKadenzoDoc& doc, QWidget* parent = nullptr);

    CMonthCalendar* Calendar() const { return calendar_; }
    const EventsValues& Values() const { return values_; }

    // A selection made on the calendar.
    void OnCalendarClicked();
    void accept() override;

private:
    DayRangeState ReadControls() const;
    void ShowControls(const DayRangeState& state);
    void ShowSelection();
    void EnableControls(bool enabled);

    CKadenzoDoc& doc_;
    TextService texts_;
    EventsValues values_;
    CMonthCalendar* calendar_;
    QComboBox* kind_;
    QCheckBox* blocks_;
    QLabel* selection_;
};

}  // namespace kadenzo
