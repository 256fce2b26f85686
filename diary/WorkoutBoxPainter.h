#pragma once

#include <QRect>

class QPainter;

namespace kadenzo {

class CWorkOut;

// Writes a workout's screen label into the inner rectangle of its box: the
// title alone when the box is lower than two lines, else the sport icon, the
// title above a dotted line and the planned or performed figures below it.
void PaintWorkoutBox(QPainter& painter, const QRect& inner, CWorkOut& workout, int dayNumber);

}  // namespace kadenzo
