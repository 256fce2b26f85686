#pragma once

#include <QRect>
#include <QString>

class QFontMetrics;
class QPainter;

namespace kadenzo {

class CLibSport;
class LanguageModule;
struct LabelFacts;

// Where the parts of a workout's screen label go and what they say, exactly
// as painted: the title alone when the box is lower than two lines, else the
// sport icon, the title above a dotted line and the planned or performed
// figures below it, kept clear of the icon. The texts are fitted to their
// boxes by FitScreenLabel, so the figures are never cut.
struct WorkoutBoxLayout {
    bool titleOnly = false;
    QString title;
    QString detail;
    QRect titleBox;
    QRect detailBox;  // right-aligned figures; empty for the title alone
    QRect iconBox;    // null without an icon
    int iconIndex = -1;
    int middle = 0;  // the dotted line
};

WorkoutBoxLayout LayOutWorkoutBox(const QFontMetrics& metrics, const QRect& inner,
                                  const LabelFacts& facts, const CLibSport* sport, int dayNumber,
                                  int today);

// Writes a workout's screen label into the inner rectangle of its box.
void PaintWorkoutBox(QPainter& painter, const QRect& inner, const WorkoutBoxLayout& layout,
                     const LanguageModule* module);

}  // namespace kadenzo
