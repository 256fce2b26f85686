#include "ShellOpen.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace kadenzo {

namespace {

bool IsWebAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

}  // namespace

bool IsShellOpenable(const QString& target) {
    if (target.isEmpty()) return false;
    return IsWebAddress(QUrl(target, QUrl::StrictMode)) || QFileInfo(target).isFile();
}

bool ShellOpen(const QString& target) {
    if (!IsShellOpenable(target)) return false;
    const QUrl url(target, QUrl::StrictMode);
    if (IsWebAddress(url)) return QDesktopServices::openUrl(url);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath()));
}

bool HasDesktopHandler(const QString& mimeType) {
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty()) return true;
    QProcess process;
    process.start(query, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    // A desktop that does not answer at once is left to open the file.
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished();
        return true;
    }
    return process.exitCode() != 0 || !process.readAllStandardOutput().trimmed().isEmpty();
}

}  // namespace kadenzo
