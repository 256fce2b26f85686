#include "PlaceholderView.h"

#include <QPainter>

#include "Drawing.h"

namespace kadenzo {

CPlaceholderView::CPlaceholderView(const QString& caption, const LanguageModule* module,
                                   QWidget* parent)
    : QWidget(parent), caption_(caption), module_(module) {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setMinimumSize(320, 240);
}

void CPlaceholderView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A row of the sport pictures, as the diary shows them, above the caption.
    const int size = 40;
    const int gap = 12;
    const int count = 6;
    const int left = (width() - count * size - (count - 1) * gap) / 2;
    const int top = height() / 2 - size - 20;
    painter.fillRect(QRect(left - gap, top - gap, count * (size + gap) + gap, size + 2 * gap),
                     QColor(0xE8, 0xF0, 0xFA));
    for (int i = 0; i < count; ++i) {
        const int x = left + i * (size + gap);
        DrawSportIcon(painter, x, top, x + size, top + size, i, module_);
    }
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    painter.setFont(font);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawText(QRect(0, top + size + 2 * gap, width(), 40), Qt::AlignHCenter | Qt::AlignTop,
                     caption_);
}

}  // namespace kadenzo
