#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

namespace kadenzo {

class LanguageModule;

// Stretches a sport picture into rect so that its white pixels leave the
// background unchanged and darker pixels darken it (a bitwise AND of colours).
void DrawSportIcon(QPainter& painter, const QRect& rect, const QImage& picture);
// Draws sport picture pictureIndex (bitmap pictureIndex + 176 of the language
// module, so callers pass a sport's iconId - 1) into left..right, top..bottom
// (right and bottom exclusive). A missing picture or module leaves the area
// unchanged.
void DrawSportIcon(QPainter& painter, int left, int top, int right, int bottom, int pictureIndex,
                   const LanguageModule* module);

// Fills rect with the painter's brush and outlines its outermost pixels with
// the painter's pen.
void FrameFill(QPainter& painter, const QRect& rect);

}  // namespace kadenzo
