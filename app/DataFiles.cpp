#include "DataFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

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
    if (name.isEmpty()) return {};
    const QDir program(programDirectory);
    for (const QString& folder :
         {program.filePath(QStringLiteral("../share/kadenzo")), program.path()}) {
        const QFileInfo file(QDir(folder), name);
        if (file.isFile()) return QDir::cleanPath(file.absoluteFilePath());
    }
    return {};
}

namespace {

// A language code is a few lower-case letters; English is the default and
// its files carry no code.
bool IsOtherLanguage(const QString& language) {
    static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}$"));
    return language != QLatin1String("en") && code.match(language).hasMatch();
}

}  // namespace

QString LanguageStarterLibrary(const QString& dataDirectory, const QString& language) {
    if (!IsOtherLanguage(language)) return {};
    const QFileInfo file(QDir(dataDirectory), QStringLiteral("library-%1.dat").arg(language));
    return file.isFile() ? QDir::cleanPath(file.absoluteFilePath()) : QString();
}

QString ManualFileName(const QString& language) {
    if (!IsOtherLanguage(language)) return QStringLiteral("kadenzo.pdf");
    return QStringLiteral("kadenzo-%1.pdf").arg(language);
}

QString FindManual(const QString& programDirectory, const QString& language) {
    const QString own = FindDataFile(programDirectory, ManualFileName(language));
    return own.isEmpty() ? FindDataFile(programDirectory, ManualFileName(QString())) : own;
}

}  // namespace kadenzo
