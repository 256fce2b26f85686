#pragma once

#include <QDialog>

#include "DeviceSettings.h"
#include "Texts.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace kadenzo {

class CLibrary;
class UserDialogs;

// The device import's settings: which sport of the library each kind of
// activity is entered as (a kind typed in, a sport chosen, Set), and the
// import folders the program watches for new activity files.
class CDeviceSettingsDialog : public QDialog {
    Q_OBJECT
public:
    CDeviceSettingsDialog(const DeviceSettings& settings, const CLibrary& library,
                          UserDialogs& dialogs, const TextService& texts,
                          QWidget* parent = nullptr);

    const DeviceSettings& Settings() const { return settings_; }

private:
    void ShowSports(const QString& current = {});
    void ShowFolders();
    // The kind and sport fields follow the entry chosen in the list.
    void ShowEntry();
    void SetSport();
    void RemoveSport();
    void AddFolder();
    void RemoveFolder();

    DeviceSettings settings_;
    const CLibrary& library_;
    UserDialogs& dialogs_;
    TextService texts_;
    QListWidget* sports_;
    QLineEdit* kind_;
    QComboBox* sport_;
    QListWidget* folders_;
};

}  // namespace kadenzo
