#pragma once

#include <QSettings>
#include <QStringList>

#include "SportTable.h"

namespace kadenzo {

// What the device import keeps in the settings, section [DeviceImport]:
// the sport table ("Sports", KIND=ID entries; the starter table until the
// user changes it) and the import folders the program watches ("Folders").
struct DeviceSettings {
    SportTable sports = SportTable::Starter();
    QStringList folders;
};

DeviceSettings ReadDeviceSettings(QSettings& settings);
void WriteDeviceSettings(QSettings& settings, const DeviceSettings& values);

}  // namespace kadenzo
