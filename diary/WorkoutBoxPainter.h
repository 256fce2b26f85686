#pragma once

#include <QRect>

class QPainter;

namespace kadenzo {

class CLibSport;
struct LabelFacts;

// Writes a workout's screen label into the inner rectangle of its box: the
// title alone when the box is lower than two lines, else the sport icon, the
// title above a dotted line and the planned or performed figures below it,
// kept clear of the icon.
void PaintWorkoutBox(QPainter& painter, const QRect& inner, const LabelFacts& facts,
                     const CLibSport* sport, int dayNumber, int today);

}  // namespace kadenzo
