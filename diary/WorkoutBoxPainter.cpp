#include "WorkoutBoxPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "DiaryDates.h"
#include "DiaryQt.h"
#include "Drawing.h"
#include "Library.h"
#include "WorkOut.h"
#include "WorkoutLabels.h"

namespace kadenzo {
namespace {

constexpr int kMaxIconSize = 40;
constexpr int kMinIconSize = 30;
constexpr std::uint32_t kIconCount = 42;

}  // namespace

void PaintWorkoutBox(QPainter& painter, const QRect& inner, const LabelFacts& facts,
                     const CLibSport* sport, int dayNumber, int today) {
    const QString title = FromCore(ScreenTitle(facts));
    const int b = inner.height();
    const int t = QFontMetrics(painter.font()).boundingRect(QStringLiteral("TEXT")).height();
    painter.setPen(Qt::black);
    if (2 * t > b) {
        painter.drawText(inner, Qt::AlignCenter | Qt::TextSingleLine, title);
        return;
    }

    const int s = std::min(kMaxIconSize, b);
    // The texts keep clear of the icon: they use what lies to its right.
    int textLeft = inner.left();
    if (sport && s >= kMinIconSize && sport->iconId >= 1 && sport->iconId <= kIconCount) {
        const int left = inner.left() + 4;
        const int bottom = inner.top() + b;
        DrawSportIcon(painter, left, bottom - s, left + s, bottom,
                      static_cast<int>(sport->iconId) - 1);
        textLeft = left + s + 2;
    }
    const int textWidth = std::max(0, inner.left() + inner.width() - textLeft);
    const QFontMetrics metrics(painter.font());

    const int middle = inner.top() + b / 2;
    const QRect upper(textLeft, inner.top(), textWidth, middle - inner.top());
    const QRect lower(textLeft, middle, std::max(0, textWidth - 5), inner.top() + b - middle);
    painter.drawText(upper, Qt::AlignCenter | Qt::TextSingleLine,
                     metrics.elidedText(title, Qt::ElideRight, upper.width()));

    painter.save();
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawLine(inner.left(), middle, inner.left() + inner.width() - 1, middle);
    painter.restore();

    const QString detail = FromCore(ScreenDetail(facts, dayNumber, today));
    painter.drawText(lower, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                     metrics.elidedText(detail, Qt::ElideRight, lower.width()));
}

}  // namespace kadenzo
