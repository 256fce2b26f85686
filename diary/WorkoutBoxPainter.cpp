#include "WorkoutBoxPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "DiaryQt.h"
#include "Drawing.h"
#include "Library.h"
#include "WorkoutLabels.h"

namespace kadenzo {
namespace {

constexpr int kMaxIconSize = 40;
constexpr int kMinIconSize = 30;
constexpr std::uint32_t kIconCount = 42;
constexpr int kIconLeft = 4;     // from the box's left edge
constexpr int kIconGap = 2;      // between the icon and the texts
constexpr int kDetailRight = 5;  // the figures keep off the box's right edge

}  // namespace

WorkoutBoxLayout LayOutWorkoutBox(const QFontMetrics& metrics, const QRect& inner,
                                  const LabelFacts& facts, const CLibSport* sport, int dayNumber,
                                  int today) {
    // Rounded up, so that a text that fits by these numbers is never clipped
    // by a fraction of a pixel when drawn.
    const QFontMetricsF exact(metrics);
    const TextWidthOf widthOf = [&exact](const std::string& text) {
        return static_cast<int>(std::ceil(exact.horizontalAdvance(FromBytes(text))));
    };
    WorkoutBoxLayout layout;
    const int b = inner.height();
    const int t = metrics.boundingRect(QStringLiteral("TEXT")).height();
    if (2 * t > b) {
        layout.titleOnly = true;
        layout.titleBox = inner;
        layout.title = FromBytes(ElideRight(ScreenTitle(facts), inner.width(), widthOf));
        return layout;
    }

    const int s = std::min(kMaxIconSize, b);
    const bool hasIcon =
        sport && s >= kMinIconSize && sport->iconId >= 1 && sport->iconId <= kIconCount;
    // The room an icon of size n takes, with its margins.
    auto iconRoom = [](int n) { return kIconLeft + n + kIconGap; };
    ScreenLabelRoom room;
    if (hasIcon) {
        room.iconWidth = iconRoom(s);
        room.smallIconWidth = iconRoom(kMinIconSize);
    }
    room.titleWidth = std::max(0, inner.width() - room.iconWidth);
    room.detailWidth = std::max(0, room.titleWidth - kDetailRight);
    const FittedScreenLabel fitted = FitScreenLabel(facts, dayNumber, today, room, widthOf);

    const int textLeft = inner.left() + fitted.iconWidth;
    const int textWidth = std::max(0, inner.left() + inner.width() - textLeft);
    if (fitted.iconWidth > 0) {
        const int size = fitted.iconWidth - kIconLeft - kIconGap;
        layout.iconBox = QRect(inner.left() + kIconLeft, inner.top() + b - size, size, size);
        layout.iconIndex = static_cast<int>(sport->iconId) - 1;
    }
    layout.middle = inner.top() + b / 2;
    layout.titleBox = QRect(textLeft, inner.top(), textWidth, layout.middle - inner.top());
    layout.detailBox = QRect(textLeft, layout.middle, std::max(0, textWidth - kDetailRight),
                             inner.top() + b - layout.middle);
    layout.title = FromBytes(fitted.title);
    layout.detail = FromBytes(fitted.detail);
    return layout;
}

void PaintWorkoutBox(QPainter& painter, const QRect& inner, const WorkoutBoxLayout& layout,
                     const LanguageModule* module) {
    painter.setPen(Qt::black);
    if (!layout.iconBox.isNull()) {
        const QRect& icon = layout.iconBox;
        DrawSportIcon(painter, icon.left(), icon.top(), icon.left() + icon.width(),
                      icon.top() + icon.height(), layout.iconIndex, module);
    }
    painter.drawText(layout.titleBox, Qt::AlignCenter | Qt::TextSingleLine, layout.title);
    if (layout.titleOnly) return;
    painter.save();
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawLine(inner.left(), layout.middle, inner.left() + inner.width() - 1, layout.middle);
    painter.restore();
    painter.drawText(layout.detailBox, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                     layout.detail);
}

}  // namespace kadenzo
