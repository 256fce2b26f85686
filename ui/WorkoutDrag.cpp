#include "WorkoutDrag.h"

#include <QDrag>
#include <QMimeData>
#include <QUuid>
#include <QWidget>

namespace kadenzo {

QByteArray InstanceToken() {
    static const QByteArray token = QUuid::createUuid().toRfc4122();
    return token;
}

QMimeData* MakeDragMimeData(const WorkoutDragData& data, const QString& label) {
    auto* mime = new QMimeData;
    const auto block = EncodeDragBlock(data);
    mime->setData(QString::fromLatin1(kWorkoutMimeType),
                  QByteArray(reinterpret_cast<const char*>(block.data()),
                             static_cast<qsizetype>(block.size())));
    mime->setData(QString::fromLatin1(kInstanceMimeType), InstanceToken());
    mime->setText(label);
    return mime;
}

std::optional<WorkoutDragData> ReadDragMimeData(const QMimeData* mime) {
    if (!mime || mime->data(QString::fromLatin1(kInstanceMimeType)) != InstanceToken())
        return std::nullopt;
    const QByteArray block = mime->data(QString::fromLatin1(kWorkoutMimeType));
    return DecodeDragBlock(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(block.constData()),
                                      static_cast<std::size_t>(block.size())));
}

Qt::DropAction BeginTemplateDrag(QWidget* source, std::uint32_t templateId, const QString& label) {
    auto* drag = new QDrag(source);
    drag->setMimeData(MakeDragMimeData({0, templateId}, label));
    return drag->exec(Qt::CopyAction, Qt::CopyAction);
}

}  // namespace kadenzo
