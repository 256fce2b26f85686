#include "DataFiles.h"

#include <QDir>
#include <QFileInfo>

namespace kadenzo {

QString DataDirectory(const QString& programDirectory) {
    const QDir program(programDirectory);
    const QString installed = program.absoluteFilePath(QStringLiteral("../share/kadenzo"));
    if (QFileInfo(installed).isDir()) return QDir::cleanPath(installed) + QLatin1Char('/');
    QString folder = program.absolutePath();
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

QString FindDataFile(const QString& programDirectory, const QString& name) {
    return DataDirectory(programDirectory) + name;
}

}  // namespace kadenzo
