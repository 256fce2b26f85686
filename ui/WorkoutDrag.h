#pragma once

#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>

#include "WorkoutDragData.h"

class QMimeData;
class QWidget;

namespace kadenzo {

// Drag and drop of workouts and templates within this running program. The
// mime data carry the 8-byte block under kWorkoutMimeType, a token of this
// program instance, and the label as plain text for anything else.
inline constexpr char kWorkoutMimeType[] = "application/x-kadenzo-workout";
inline constexpr char kInstanceMimeType[] = "application/x-kadenzo-instance";

// A token that differs between program instances (made once per process).
QByteArray InstanceToken();

QMimeData* MakeDragMimeData(const WorkoutDragData& data, const QString& label);
// The block, when the data come from this instance and hold a sound block;
// nothing for data of another instance, a short block, or no block at all.
std::optional<WorkoutDragData> ReadDragMimeData(const QMimeData* mime);

// Drags a template from the library browser or chooser; only copy is offered.
Qt::DropAction BeginTemplateDrag(QWidget* source, std::uint32_t templateId, const QString& label);

}  // namespace kadenzo
