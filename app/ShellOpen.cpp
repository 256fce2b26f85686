#include "ShellOpen.h"

#include <QDesktopServices>
#include <QFileInfo>
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
    if (IsWebAddress(url)) {
        QDesktopServices::openUrl(url);
    } else {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath()));
    }
    return true;
}

}  // namespace kadenzo
