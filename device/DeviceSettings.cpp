#include "DeviceSettings.h"

namespace kadenzo {
namespace {

const QString kSports = QStringLiteral("DeviceImport/Sports");
const QString kFolders = QStringLiteral("DeviceImport/Folders");

}  // namespace

DeviceSettings ReadDeviceSettings(QSettings& settings) {
    DeviceSettings values;
    // An emptied table stays empty: only a table never stored is the starter's.
    if (settings.contains(kSports)) {
        std::vector<std::string> entries;
        for (const QString& entry : settings.value(kSports).toStringList())
            entries.push_back(entry.toStdString());
        values.sports = SportTableFromEntries(entries);
    }
    values.folders = settings.value(kFolders).toStringList();
    values.folders.removeAll(QString());
    return values;
}

void WriteDeviceSettings(QSettings& settings, const DeviceSettings& values) {
    QStringList entries;
    for (const std::string& entry : SportEntryTexts(values.sports))
        entries << QString::fromStdString(entry);
    // An empty list would read back as no entry at all.
    settings.setValue(kSports, entries.isEmpty() ? QVariant(QString()) : QVariant(entries));
    settings.setValue(kFolders, values.folders);
}

}  // namespace kadenzo
