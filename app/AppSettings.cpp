#include "AppSettings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace kadenzo {
namespace {

const char kOrganisation[] = "Varnel Software";
const char kRecentSection[] = "Recent File List";

std::uint32_t ReadUnit(QSettings& settings, const char* key) {
    bool ok = false;
    const uint value = settings.value(key, 0).toUInt(&ok);
    return ok ? value : 0;
}

}  // namespace

std::unique_ptr<QSettings> OpenSettings() {
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return std::make_unique<QSettings>(QString::fromLatin1(kOrganisation), program);
}

QString BackupFolder() {
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/%1/%2/backups").arg(QString::fromLatin1(kOrganisation), program);
}

UnitSettings ReadUnitSettings(QSettings& settings) {
    settings.beginGroup(QStringLiteral("Localization"));
    UnitSettings units;
    units.distance = ReadUnit(settings, "Distance");
    units.weight = ReadUnit(settings, "Weight");
    settings.endGroup();
    return units;
}

void WriteUnitSettings(QSettings& settings, const UnitSettings& units) {
    settings.beginGroup(QStringLiteral("Localization"));
    settings.setValue(QStringLiteral("Distance"), units.distance);
    settings.setValue(QStringLiteral("Weight"), units.weight);
    settings.endGroup();
    settings.sync();
}

void RecentFileList::Read(QSettings& settings) {
    files_.clear();
    settings.beginGroup(QString::fromLatin1(kRecentSection));
    for (int i = 1; i <= kMaxEntries; ++i) {
        const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty() && !files_.contains(path)) files_.append(path);
    }
    settings.endGroup();
}

void RecentFileList::Write(QSettings& settings) const {
    settings.beginGroup(QString::fromLatin1(kRecentSection));
    for (int i = 1; i <= kMaxEntries; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= files_.size()) {
            settings.setValue(key, files_.at(i - 1));
        } else {
            settings.remove(key);
        }
    }
    settings.endGroup();
    settings.sync();
}

void RecentFileList::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files_.removeAll(absolute);
    files_.prepend(absolute);
    while (files_.size() > kMaxEntries) files_.removeLast();
}

void RecentFileList::Remove(const QString& path) {
    files_.removeAll(QFileInfo(path).absoluteFilePath());
}

}  // namespace kadenzo
