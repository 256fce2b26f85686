#include "MonthCalendar.h"

#include <QDate>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "CoreText.h"
#include "StringTable.h"

namespace kadenzo {
namespace {

constexpr int kPad = 6;   // inside a month, around its days
constexpr int kGap = 14;  // between months
constexpr int kWeeks = 6;

const QDate kDayZero(1899, 12, 30);

QDate DateOf(int dayNumber) { return kDayZero.addDays(dayNumber); }
int DayOf(const QDate& date) { return static_cast<int>(kDayZero.daysTo(date)); }
int MonthOf(int dayNumber) {
    const QDate date = DateOf(dayNumber);
    return date.year() * 12 + date.month() - 1;
}
QDate FirstOfMonth(int month) { return QDate(month / 12, month % 12 + 1, 1); }

}  // namespace

CMonthCalendar::CMonthCalendar(const StringTable& texts, int today, QWidget* parent)
    : QWidget(parent), today_(today), texts_(texts), names_(DateNames::From(texts)) {
    setFocusPolicy(Qt::StrongFocus);
    firstMonth_ = MonthOf(today_);
}

void CMonthCalendar::SetMonthLayout(int rows, int columns) {
    rows_ = std::clamp(rows, 1, 99);
    columns_ = std::clamp(columns, 1, 99);
    updateGeometry();
    update();
}

void CMonthCalendar::ShowDay(int dayNumber) {
    firstMonth_ = MonthOf(dayNumber);
    update();
    emit monthsChanged();
}

void CMonthCalendar::ScrollMonths(int months) {
    // QDate reaches far beyond the years the program holds; stay within 100 ... 9999.
    firstMonth_ = std::clamp(firstMonth_ + months, 100 * 12, 9999 * 12 + 12 - rows_ * columns_);
    update();
    emit monthsChanged();
}

void CMonthCalendar::SetMarkFunction(MarkFunction marks) {
    marks_ = std::move(marks);
    update();
}

void CMonthCalendar::SetDateNames(const DateNames& names) {
    names_ = names;
    updateGeometry();
    update();
}

std::optional<std::pair<int, int>> CMonthCalendar::Selection() const {
    if (!anchor_ || !cursor_) return std::nullopt;
    return std::make_pair(std::min(*anchor_, *cursor_), std::max(*anchor_, *cursor_));
}

void CMonthCalendar::SetSelection(int first, int last) { Select(first, last); }

void CMonthCalendar::Select(int anchor, int cursor) {
    anchor_ = anchor;
    cursor_ = cursor;
    update();
    emit selectionChanged();
}

void CMonthCalendar::ChooseDay(int dayNumber, bool extend) {
    // Shown first, so that whoever hears of the selection finds the day.
    MakeVisible(dayNumber);
    if (extend && anchor_)
        Select(*anchor_, dayNumber);
    else
        Select(dayNumber, dayNumber);
    emit clicked();
}

void CMonthCalendar::ClearSelection() {
    if (!anchor_) return;
    anchor_.reset();
    cursor_.reset();
    update();
    emit selectionChanged();
    emit clicked();
}

std::pair<int, int> CMonthCalendar::ShownDays() const {
    return {DayOf(FirstOfMonth(firstMonth_)), DayOf(FirstOfMonth(firstMonth_ + rows_ * columns_)) - 1};
}

std::optional<CMonthCalendar::DayMark> CMonthCalendar::MarkOf(int dayNumber) const {
    return marks_ ? marks_(dayNumber) : std::nullopt;
}

QSize CMonthCalendar::CellSize() const {
    const QFontMetrics fm(font());
    int width = fm.horizontalAdvance(QStringLiteral("00"));
    for (const std::string& day : names_.shortDays)
        width = std::max(width, fm.horizontalAdvance(FromBytes(day).left(2)));
    return {width + 12, fm.height() + 8};
}

CMonthCalendar::Metrics CMonthCalendar::Measure() const {
    const QFontMetrics fm(font());
    const QSize cell = CellSize();
    Metrics m{};
    m.titleHeight = fm.height() + 14;
    const int spareWidth = width() - (columns_ - 1) * kGap - columns_ * 2 * kPad;
    const int spareHeight = height() - (rows_ - 1) * kGap - rows_ * (m.titleHeight + kPad);
    m.cellWidth = std::max(cell.width(), spareWidth / (columns_ * 7));
    m.cellHeight = std::max(cell.height(), spareHeight / (rows_ * (kWeeks + 1)));
    m.monthWidth = 7 * m.cellWidth + 2 * kPad;
    m.monthHeight = m.titleHeight + (kWeeks + 1) * m.cellHeight + kPad;
    const int total = columns_ * m.monthWidth + (columns_ - 1) * kGap;
    m.left = std::max(0, (width() - total) / 2);
    m.top = 0;
    return m;
}

QSize CMonthCalendar::sizeHint() const {
    const QFontMetrics fm(font());
    const QSize cell = CellSize();
    const int monthWidth = 7 * cell.width() + 2 * kPad;
    const int monthHeight = fm.height() + 14 + (kWeeks + 1) * cell.height() + kPad;
    return {columns_ * monthWidth + (columns_ - 1) * kGap,
            rows_ * monthHeight + (rows_ - 1) * kGap};
}

QSize CMonthCalendar::minimumSizeHint() const { return sizeHint(); }

QRect CMonthCalendar::MonthRect(int index, const Metrics& m) const {
    const int row = index / columns_;
    const int column = index % columns_;
    return {m.left + column * (m.monthWidth + kGap), m.top + row * (m.monthHeight + kGap),
            m.monthWidth, m.monthHeight};
}

QRect CMonthCalendar::DayRect(int dayNumber) const {
    const int index = MonthOf(dayNumber) - firstMonth_;
    if (index < 0 || index >= rows_ * columns_) return {};
    const Metrics m = Measure();
    const QRect month = MonthRect(index, m);
    const QDate date = DateOf(dayNumber);
    const int offset = QDate(date.year(), date.month(), 1).dayOfWeek() - 1;
    const int slot = offset + date.day() - 1;
    return {month.left() + kPad + (slot % 7) * m.cellWidth,
            month.top() + m.titleHeight + (slot / 7 + 1) * m.cellHeight, m.cellWidth, m.cellHeight};
}

std::optional<int> CMonthCalendar::DayAt(const QPoint& point) const {
    const Metrics m = Measure();
    for (int index = 0; index < rows_ * columns_; ++index) {
        const QRect month = MonthRect(index, m);
        if (!month.contains(point)) continue;
        const int column = (point.x() - month.left() - kPad) / m.cellWidth;
        const int week = (point.y() - month.top() - m.titleHeight) / m.cellHeight - 1;
        if (point.x() < month.left() + kPad || column > 6 || week < 0 || week >= kWeeks ||
            point.y() < month.top() + m.titleHeight)
            return std::nullopt;
        const QDate first = FirstOfMonth(firstMonth_ + index);
        const int day = week * 7 + column - (first.dayOfWeek() - 1) + 1;
        if (day < 1 || day > first.daysInMonth()) return std::nullopt;
        return DayOf(first) + day - 1;
    }
    return std::nullopt;
}

QRect CMonthCalendar::PreviousButton() const {
    const Metrics m = Measure();
    const QRect month = MonthRect(0, m);
    const int size = m.titleHeight - 8;
    return {month.left() + 4, month.top() + 4, size, size};
}

QRect CMonthCalendar::NextButton() const {
    const Metrics m = Measure();
    const QRect month = MonthRect(columns_ - 1, m);
    const int size = m.titleHeight - 8;
    return {month.right() - 4 - size + 1, month.top() + 4, size, size};
}

void CMonthCalendar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const Metrics m = Measure();
    for (int index = 0; index < rows_ * columns_; ++index) PaintMonth(painter, index, m);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().text());
    for (const auto& [button, pointsLeft] :
         {std::pair{PreviousButton(), true}, std::pair{NextButton(), false}}) {
        const QRectF arrow =
            QRectF(button).adjusted(button.width() * 0.3, button.height() * 0.25,
                                    -button.width() * 0.3, -button.height() * 0.25);
        QPainterPath path;
        if (pointsLeft) {
            path.moveTo(arrow.right(), arrow.top());
            path.lineTo(arrow.left(), arrow.center().y());
            path.lineTo(arrow.right(), arrow.bottom());
        } else {
            path.moveTo(arrow.left(), arrow.top());
            path.lineTo(arrow.right(), arrow.center().y());
            path.lineTo(arrow.left(), arrow.bottom());
        }
        path.closeSubpath();
        painter.drawPath(path);
    }
    if (hasFocus() && cursor_) {
        const QRect focus = DayRect(*cursor_);
        if (!focus.isEmpty()) {
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(palette().text().color(), 1, Qt::DotLine));
            painter.drawRect(focus.adjusted(2, 2, -3, -3));
        }
    }
}

void CMonthCalendar::PaintMonth(QPainter& painter, int index, const Metrics& m) const {
    const QRect month = MonthRect(index, m);
    const QDate first = FirstOfMonth(firstMonth_ + index);
    QColor band = palette().highlight().color();
    band.setAlpha(45);
    const QRect title(month.left(), month.top(), month.width(), m.titleHeight - 4);
    painter.fillRect(title, band);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().text().color());
    painter.drawText(
        title, Qt::AlignCenter,
        QStringLiteral("%1 %2").arg(FromBytes(names_.months[first.month() - 1])).arg(first.year()));

    painter.setFont(font());
    QColor dim = palette().text().color();
    dim.setAlpha(150);
    painter.setPen(dim);
    const int weekdayTop = month.top() + m.titleHeight;
    for (int d = 0; d < 7; ++d) {
        const QRect cell(month.left() + kPad + d * m.cellWidth, weekdayTop, m.cellWidth,
                         m.cellHeight);
        painter.drawText(cell, Qt::AlignCenter, FromBytes(names_.shortDays[d]).left(2));
    }
    painter.drawLine(month.left() + kPad, weekdayTop + m.cellHeight - 2,
                     month.left() + kPad + 7 * m.cellWidth, weekdayTop + m.cellHeight - 2);

    const int firstDay = DayOf(first);
    for (int day = 0; day < first.daysInMonth(); ++day)
        PaintDay(painter, firstDay + day, DayRect(firstDay + day));
}

void CMonthCalendar::PaintDay(QPainter& painter, int day, const QRect& cell) const {
    const QRect inner = cell.adjusted(1, 1, -1, -1);
    const std::optional<DayMark> mark = marks_ ? marks_(day) : std::nullopt;
    const std::optional<std::pair<int, int>> selection = Selection();
    const bool selected = selection && day >= selection->first && day <= selection->second;

    painter.setRenderHint(QPainter::Antialiasing, false);
    if (mark) painter.fillRect(inner, mark->colour);
    if (selected) {
        QColor highlight = palette().highlight().color();
        highlight.setAlpha(mark ? 110 : 160);
        painter.fillRect(inner, highlight);
    }
    if (mark && mark->blocked) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(QColor(200, 0, 0), 1.5));
        painter.drawLine(QPointF(inner.left() + 2, inner.bottom() - 1),
                         QPointF(inner.right() - 1, inner.top() + 2));
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    if (day == today_) {
        painter.setPen(QPen(QColor(200, 0, 0), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(inner.adjusted(0, 0, -1, -1));
    }
    QFont dayFont = font();
    dayFont.setBold(mark.has_value());
    painter.setFont(dayFont);
    const bool inverted = selected && !mark;
    painter.setPen(inverted ? palette().highlightedText().color() : palette().text().color());
    painter.drawText(inner, Qt::AlignCenter, QString::number(DateOf(day).day()));
    painter.setFont(font());
}

void CMonthCalendar::MakeVisible(int dayNumber) {
    const int month = MonthOf(dayNumber);
    const int count = rows_ * columns_;
    if (month < firstMonth_)
        firstMonth_ = month;
    else if (month >= firstMonth_ + count)
        firstMonth_ = month - count + 1;
    else
        return;
    emit monthsChanged();
}

void CMonthCalendar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint point = event->position().toPoint();
    if (PreviousButton().contains(point)) {
        ScrollMonths(-1);
        return;
    }
    if (NextButton().contains(point)) {
        ScrollMonths(1);
        return;
    }
    const std::optional<int> day = DayAt(point);
    if (!day) return;
    if ((event->modifiers() & Qt::ShiftModifier) && anchor_)
        Select(*anchor_, *day);
    else
        Select(*day, *day);
    dragging_ = true;
}

void CMonthCalendar::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !anchor_) return;
    if (const std::optional<int> day = DayAt(event->position().toPoint()))
        if (day != cursor_) Select(*anchor_, *day);
}

void CMonthCalendar::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) return;
    dragging_ = false;
    emit clicked();
}

void CMonthCalendar::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
        case Qt::Key_Left:
            step = -1;
            break;
        case Qt::Key_Right:
            step = 1;
            break;
        case Qt::Key_Up:
            step = -7;
            break;
        case Qt::Key_Down:
            step = 7;
            break;
        case Qt::Key_PageUp:
            ScrollMonths(-1);
            return;
        case Qt::Key_PageDown:
            ScrollMonths(1);
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    ChooseDay(cursor_.value_or(today_ - step) + step,
              (event->modifiers() & Qt::ShiftModifier) != 0);
}

}  // namespace kadenzo
