#pragma once

#include <QPixmap>
#include <QString>
#include <Qt>

#include "Database.h"

class QWidget;

namespace kadenzo {

// Drags a workout of the diary, offering copy and move (move unless the user
// holds Ctrl). The data name the workout by its handle in this program
// instance and carry its label as plain text. The drop makes the whole
// change, a move included, so the caller removes nothing afterwards whatever
// the result.
Qt::DropAction BeginWorkoutDrag(QWidget* source, CDatabase::WorkoutHandle workout,
                                const QString& label, const QPixmap& picture);

}  // namespace kadenzo
