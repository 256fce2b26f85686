#include "RecordingFileChooser.h"

#include <QFileDialog>

namespace kadenzo {

QString QtRecordingFileChooser::ChooseFile(QWidget* parent, const QString& folder,
                                           const QString& filter) {
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

}  // namespace kadenzo
