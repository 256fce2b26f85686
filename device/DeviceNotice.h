#pragma once

#include <QWidget>

#include "Texts.h"

class QLabel;

namespace kadenzo {

// The strip in the main window that tells of new activities on a device or
// in an import folder: how many, where, and an Import button that opens the
// import window on that folder. It never takes the focus by itself.
class CDeviceNotice : public QWidget {
    Q_OBJECT
public:
    explicit CDeviceNotice(const TextService& texts, QWidget* parent = nullptr);

    void Tell(const QString& folder, qint64 count);
    QString Folder() const { return folder_; }

signals:
    void importRequested(const QString& folder);
    void dismissed();

private:
    TextService texts_;
    QString folder_;
    QLabel* text_;
};

}  // namespace kadenzo
