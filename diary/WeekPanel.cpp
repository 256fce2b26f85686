#include "WeekPanel.h"

#include <QFontMetrics>
#include <QPainter>

#include "Database.h"
#include "DiaryAccessible.h"
#include "CalendarDays.h"
#include "DiaryQt.h"
#include "Drawing.h"
#include "KadenzoDoc.h"
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
}

}  // namespace kadenzo
