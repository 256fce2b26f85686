#include "Drawing.h"

#include <QPaintEngine>
#include <QPolygon>

#include "LanguageModule.h"

namespace kadenzo {
namespace {

constexpr int kFirstSportBitmap = 176;

// Printers and PDF have no raster operations; there white pixels are made
// transparent, which gives the same picture for black-on-white icons.
QImage WhiteAsTransparent(const QImage& picture) {
    QImage masked = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x) {
            if ((line[x] & 0x00FFFFFFu) == 0x00FFFFFFu) line[x] = 0;
        }
    }
    return masked;
}

}  // namespace

void DrawSportIcon(QPainter& painter, const QRect& rect, const QImage& picture) {
    if (picture.isNull() || rect.isEmpty()) return;
    painter.save();
    QPaintEngine* engine = painter.paintEngine();
    if (engine && engine->hasFeature(QPaintEngine::RasterOpModes)) {
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.drawImage(rect, picture.convertToFormat(QImage::Format_RGB32));
    } else {
        painter.drawImage(rect, WhiteAsTransparent(picture));
    }
    painter.restore();
}

void DrawSportIcon(QPainter& painter, int left, int top, int right, int bottom, int pictureIndex,
                   const LanguageModule* module) {
    if (!module) return;
    // The bitmap number is a 16-bit resource number, as the icon numbers always were.
    const int bitmapId = static_cast<std::uint16_t>(pictureIndex + kFirstSportBitmap);
    DrawSportIcon(painter, QRect(left, top, right - left, bottom - top), module->Bitmap(bitmapId));
}

void FrameFill(QPainter& painter, const QRect& rect) {
    if (rect.isEmpty()) return;
    painter.fillRect(rect, painter.brush());
    // QRect's right() and bottom() are the last pixels inside, the corners of
    // the outline.
    const QPolygon outline(
        {rect.topLeft(), rect.bottomLeft(), rect.bottomRight(), rect.topRight(), rect.topLeft()});
    painter.drawPolyline(outline);
}

}  // namespace kadenzo
