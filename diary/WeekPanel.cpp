#include "WeekPanel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

#include "Database.h"
#include "DiaryAccessible.h"
#include "CalendarDays.h"
#include "DiaryQt.h"
#include "Drawing.h"
#include "KadenzoDoc.h"
#include "ResourceIds.h"
#include "Texts.h"

namespace kadenzo {
namespace {

constexpr std::uint32_t kCaptionText = 33048;
const QColor kWeekBackground(255, 204, 204);

}  // namespace

CWeekPanel::CWeekPanel(const CKadenzoDoc& document, QWidget* parent)
    : QWidget(parent), document_(document) {
    boldFont_ = font();
    boldFont_.setWeight(QFont::Bold);
    // Reached by Tab from the days, never by a click (the mouse has the days).
    setFocusPolicy(Qt::TabFocus);
}

void CWeekPanel::SetRamp(bool ramp) {
    if (ramp == ramp_) return;
    ramp_ = ramp;
    setToolTip(ramp_ ? TextService(document_.Context())
                           .TextOr(IDS_A11Y_RAMP_MARK,
                                   QStringLiteral("Ramp: the plan adds load faster than the body adapts"))
                     : QString());
    update();
    AnnounceWeekTotals(*this);
}

void CWeekPanel::RecomputeTotals() {
    totals_ = {};
    const int today = document_.Context().Today();
    // Only the week's workouts are visited, found through the date index.
    for (CDatabase::ConstWorkoutPos pos :
         document_.Log().WorkoutsBetween(static_cast<double>(weekStart_), weekStart_ + 7.0)) {
        const CWorkOut& w = **pos;
        totals_.Add(DayNumber(w.date), today, w.plannedDuration, w.duration);
    }
    update();
    AnnounceWeekTotals(*this);
}

void CWeekPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(Qt::black);

    const QRect client = rect().adjusted(1, 1, -1, -1);
    painter.setBrush(kWeekBackground);
    FrameFill(painter, client);

    const QString caption = TextService(document_.Context()).Text(kCaptionText);
    const int captionHeight = QFontMetrics(font()).height();
    const QRect header(client.left(), client.top(), client.width(), captionHeight + 3);
    painter.setBrush(palette().color(QPalette::Midlight));
    FrameFill(painter, header);
    painter.drawText(header, Qt::AlignCenter | Qt::TextSingleLine, caption);

    const QRect value(client.left() + 3, client.top() + captionHeight + 8, client.width() - 6,
                      captionHeight);
    painter.setFont(boldFont_);
    painter.drawText(value, Qt::AlignCenter | Qt::TextSingleLine,
                     QString::fromStdString(FormatWeekTotal(totals_.planned)));

    painter.setFont(font());
    painter.setPen(totals_.PerformedBehindPlan() ? Qt::red : Qt::blue);
    painter.drawText(value.translated(0, static_cast<int>(1.5 * value.height())),
                     Qt::AlignCenter | Qt::TextSingleLine,
                     QString::fromStdString(FormatWeekTotal(totals_.performed)));

    if (ramp_) PaintRampMark(painter, header);
    if (hasFocus()) {
        // Inside the frame, where the keyboard is.
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = client.adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void CWeekPanel::PaintRampMark(QPainter& painter, const QRect& header) const {
    // A small upward wedge at the caption's right end: the load climbs.
    const int size = std::max(6, header.height() - 6);
    const QRect box(header.right() - size - 3, header.top() + (header.height() - size) / 2, size,
                    size);
    const QPolygon wedge({QPoint(box.left(), box.bottom()), QPoint(box.right(), box.bottom()),
                          QPoint(box.center().x(), box.top())});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(150, 60, 0), 1));
    painter.setBrush(QColor(230, 120, 30));
    painter.drawPolygon(wedge);
    painter.restore();
}

void CWeekPanel::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void CWeekPanel::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace kadenzo
