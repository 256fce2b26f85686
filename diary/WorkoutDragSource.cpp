#include "WorkoutDragSource.h"

#include <QDrag>
#include <QMimeData>
#include <QWidget>

#include "WorkoutDrag.h"

namespace kadenzo {

Qt::DropAction BeginWorkoutDrag(QWidget* source, CDatabase::WorkoutHandle workout,
                                const QString& label, const QPixmap& picture) {
    auto* drag = new QDrag(source);
    drag->setMimeData(MakeDragMimeData({workout, 0}, label));
    if (!picture.isNull()) {
        drag->setPixmap(picture);
        drag->setHotSpot(QPoint(picture.width() / 2, picture.height() / 2));
    }
    return drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
}

}  // namespace kadenzo
