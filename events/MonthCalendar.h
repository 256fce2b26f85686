#pragma once

#include <QColor>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>

#include "DateNames.h"

namespace kadenzo {

// A calendar of several months side by side (rows x columns of months, each
// 1 to 99) on which the user selects a range of days, also across months:
// press on a day and drag, or click and shift-click; arrow keys move the
// selection, with Shift they extend it. Days for which the mark function
// answers are filled with the mark's colour; blocked ones are crossed out.
// Days are day numbers (days since 1899-12-30); weeks start on Monday.
class CMonthCalendar : public QWidget {
    Q_OBJECT
public:
    struct DayMark {
        QColor colour;
        bool blocked = false;
        QString description;  // what assistive technology says the day holds
    };
    using MarkFunction = std::function<std::optional<DayMark>(int dayNumber)>;

    // Today is the program's (the document context's), never the system
    // clock's, so that the calendar agrees with the diary.
    CMonthCalendar(const StringTable& texts, int today, QWidget* parent = nullptr);

    void SetMonthLayout(int rows, int columns);
    // Shows the month of the day as the first one.
    void ShowDay(int dayNumber);
    // The first month shown: year * 12 + month - 1.
    int FirstMonth() const { return firstMonth_; }
    void ScrollMonths(int months);
    void SetMarkFunction(MarkFunction marks);
    void SetDateNames(const DateNames& names);

    // The selected days, first <= last; nothing before the first selection.
    std::optional<std::pair<int, int>> Selection() const;
    void SetSelection(int first, int last);
    // The day the keys move from (the end of the selection the user moves).
    std::optional<int> Cursor() const { return cursor_; }
    // As a click on the day does (with extend, a shift-click): the day alone
    // or the range from where the selection began is selected and shown.
    void ChooseDay(int dayNumber, bool extend);
    void ClearSelection();

    // The first and last day of the months shown.
    std::pair<int, int> ShownDays() const;
    std::optional<DayMark> MarkOf(int dayNumber) const;
    const DateNames& Names() const { return names_; }
    const StringTable& Texts() const { return texts_; }

    // Where a day is drawn; empty when its month is not shown.
    QRect DayRect(int dayNumber) const;
    std::optional<int> DayAt(const QPoint& point) const;
    QRect PreviousButton() const;
    QRect NextButton() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user made a selection (mouse released, or a key moved it).
    void clicked();
    // The selected days changed, by the user or the program.
    void selectionChanged();
    // Other months are shown.
    void monthsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Metrics {
        int monthWidth;
        int monthHeight;
        int titleHeight;
        int cellWidth;
        int cellHeight;
        int left;  // where the first month starts
        int top;
    };

    Metrics Measure() const;
    QSize CellSize() const;
    QRect MonthRect(int index, const Metrics& m) const;
    void PaintMonth(QPainter& painter, int index, const Metrics& m) const;
    void PaintDay(QPainter& painter, int day, const QRect& cell) const;
    void Select(int anchor, int cursor);
    void MakeVisible(int dayNumber);

    int rows_ = 1;
    int columns_ = 1;
    int firstMonth_ = 0;
    int today_ = 0;
    MarkFunction marks_;
    const StringTable& texts_;
    DateNames names_;
    std::optional<int> anchor_;
    std::optional<int> cursor_;
    bool dragging_ = false;
};

}  // namespace kadenzo
